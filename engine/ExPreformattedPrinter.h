#pragma once

#include "ExPrinterRecords.h"
#include "FieldNameIndex.h"
#include "SysUtils.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <vector>

namespace sw {

enum TPrinterOrientation { poPortrait, poLandscape, poReverseLandscape, poReversePortrait };

// The engine's general error; its message starts with the object's class name without its first
// letter and " - ".
class EExPrinterError : public Exception {
public:
    using Exception::Exception;
};

// The abstract engine: the field list and its rules. Where the paper lives is left to the
// derived class.
class TExPreformattedPrinter {
public:
    TExPreformattedPrinter();
    virtual ~TExPreformattedPrinter();
    TExPreformattedPrinter(const TExPreformattedPrinter&) = delete;
    TExPreformattedPrinter& operator=(const TExPreformattedPrinter&) = delete;

    virtual QString ClassName() const { return QStringLiteral("TExPreformattedPrinter"); }

    void ClearFields();
    // Checks the record's name and appends a copy; the caller keeps its record.
    void AddField(const TExPrinterField& field);
    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    void GetField(int index, TExPrinterField& field) const;
    // The index of the first field whose name equals Name without regard to case, or -1.
    int IndexOfField(const QString& name) const;
    bool FieldExists(const QString& name) const { return IndexOfField(name) >= 0; }
    void CheckFieldName(const QString& name) const;
    static bool IsIdentifier(QByteArrayView name);
    // Makes room for a known number of fields (a file about to be read).
    void ReserveFields(qsizetype count);

    [[noreturn]] void RaiseError(const QString& message) const;
    [[noreturn]] void RaiseErrorFmt(const QString& pattern, FormatArgs args) const;

    QString Title;
    QString FileName;

    virtual double GetPaperWidth() const = 0;
    virtual double GetPaperHeight() const = 0;
    virtual uint16_t GetPaperSize() const = 0;
    virtual void SetupPaper() = 0;
    virtual void SetPaperHeight(double value) = 0;
    virtual void SetPaperWidth(double value) = 0;
    virtual void SetPaperSize(uint16_t value) = 0;

    // Printing. One job at a time for the whole process: the printer object's state is the guard.
    bool IsPrinting() const;
    void CheckPrinting() const;
    void CheckNotPrinting() const;
    // A length in centimetres as device pixels at the resolution read when the job began.
    int CmToPixelX(double value) const;
    int CmToPixelY(double value) const;
    // Puts NewPaper on the selected printer and returns the paper it had, orientation included.
    // A custom paper that the printer cannot hold is refused before anything changes.
    void ApplyPaper(const TPaperInfo& newPaper, TPaperInfo& oldPaper);
    // Opens a job with the document's paper; if the job cannot open, the previous paper is put
    // back before the error leaves.
    virtual void BeginPrint();
    virtual void NewPage();
    // Closes the job and puts the printer's previous paper back.
    void EndPrint();
    // The numbered centimetre grid over the printable area of the current page.
    void PrintGrid();

    // The upper-case form names are compared in: the full Unicode mapping of the text.
    static QByteArray UpperName(const QString& name);
    static QByteArray UpperName(const QByteArray& utf8);

protected:
    TPaperInfo FSavedPaper;
    int FPixelsPerInchX = 0;
    int FPixelsPerInchY = 0;

private:
    std::vector<TExPrinterField> m_fields;
    FieldNameIndex m_index;
};

// A layout document: the header with the form name and paper, and the layout file.
class TExSlatewright : public TExPreformattedPrinter {
public:
    TExSlatewright();

    QString ClassName() const override { return QStringLiteral("TExSlatewright"); }

    QString FormName() const { return FHeader.FormName.toString(); }
    void SetFormName(const QString& value) { FHeader.FormName.assign(value); }
    uint16_t PaperSize() const { return GetPaperSize(); }
    void SetPaperSizeProperty(uint16_t value) { SetPaperSize(value); }
    TPrinterOrientation PaperOrientation() const;
    void SetPaperOrientation(TPrinterOrientation value);
    double PaperWidth() const { return GetPaperWidth(); }
    double PaperHeight() const { return GetPaperHeight(); }
    uint16_t Version() const { return FHeader.Version; }

    // The whole header as held, for tools that write a layout member by member.
    const TExPrinterHeader& Header() const { return FHeader; }
    void SetHeader(const TExPrinterHeader& header) { FHeader = header; }

    void LoadFromFile(const QString& fileName);
    // The same reading from an open device; fileName only names it in messages.
    void LoadFromDevice(QIODevice& device, const QString& fileName);
    void SaveToFile(const QString& fileName) const;

    double GetPaperWidth() const override { return FHeader.PaperWidth; }
    double GetPaperHeight() const override { return FHeader.PaperHeight; }
    uint16_t GetPaperSize() const override { return FHeader.PaperSize; }
    void SetupPaper() override;
    // Prints Value into the named field on the current page, in the field's font, aligned and
    // clipped in its box; a name not in the list adds an unprinted field of that name.
    void PrintField(const QString& fieldName, const QString& value, bool drawFrame);
    void SetPaperHeight(double value) override { FHeader.PaperHeight = value; }
    void SetPaperWidth(double value) override { FHeader.PaperWidth = value; }
    void SetPaperSize(uint16_t value) override { FHeader.PaperSize = value; }

    static const QByteArray Signature;
    static constexpr uint16_t CurrentVersion = 2;

private:
    TExPrinterHeader FHeader;
};

} // namespace sw
