#include "CsvReader.h"
#include "SysUtils.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {
QList<QStringList> readAll(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    sw::CsvReader reader(buffer, QStringLiteral("in.csv"));
    QList<QStringList> records;
    QStringList r;
    while (reader.next(r))
        records.append(r);
    return records;
}
QStringList L(std::initializer_list<const char*> items) {
    QStringList l;
    for (const char* s : items)
        l.append(QString::fromUtf8(s));
    return l;
}
} // namespace

TEST(CsvReader, ReadsQuotedFieldsLineEndsAndBlankLines) {
    struct Case {
        QByteArray in;
        QList<QStringList> out;
    } cases[] = {
        {"a,b\r\nc,d\r\n", {L({"a", "b"}), L({"c", "d"})}},
        {"a,b\nc,d", {L({"a", "b"}), L({"c", "d"})}},
        {"\xEF\xBB\xBF"
         "a",
         {L({"a"})}},
        {"\"x, y\",\"he said \"\"hi\"\"\",\"two\r\nlines\"\n",
         {L({"x, y", "he said \"hi\"", "two\r\nlines"})}},
        {",,\n", {L({"", "", ""})}},
        {"a\n\n\r\nb\n", {L({"a"}), L({"b"})}},
        {"\"\"\n", {L({""})}}, // a quoted empty field is a record
        {"\xC3\xA7\xC3\xA3o,\xE2\x82\xAC\n", {L({"ção", "€"})}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readAll(c.in), c.out) << c.in.constData();
}

TEST(CsvReader, LargeInputsAcrossBufferEdgesReadWhole) {
    QByteArray in;
    for (int i = 0; i < 20000; ++i)
        in += "\"field, " + QByteArray::number(i) + "\",\xC3\xA9" + QByteArray::number(i) + "\r\n";
    const auto records = readAll(in);
    ASSERT_EQ(records.size(), 20000);
    EXPECT_EQ(records[12345], L({"field, 12345", "é12345"}));
}

TEST(CsvReader, MalformedInputNamesItsLine) {
    struct Case {
        QByteArray in;
        const char* error;
    } cases[] = {
        {"a\n\"b", "in.csv:2: a quoted field is not closed"},
        {"a\nb\"c\n", "in.csv:2: a quote inside a field that does not start with one"},
        {"\"a\"b\n", "in.csv:1: text after the closing quote of a field"},
        {"a\n\xC3(\n", "in.csv:2: the text is not UTF-8"},
    };
    for (const Case& c : cases) {
        try {
            readAll(c.in);
            ADD_FAILURE() << c.error;
        } catch (const sw::Exception& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.error));
        }
    }
}
