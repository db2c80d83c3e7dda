// The field commands: their rows, their selection and the modified flag.
#include "EditorTestSupport.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace sw;
using namespace edtest;

namespace {
class FieldCommands : public ::testing::Test {
protected:
    Script script;
    TMainLogic logic{script};

    void rows(const QStringList& names) {
        for (const QString& n : names)
            logic.Rows().AddFieldRow(Field(n), -1);
    }
    void abcde() {
        rows({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
              QStringLiteral("E")});
    }
    QString names() const { return RowNames(logic).join(QLatin1Char(' ')); }
    void TearDown() override { EXPECT_TRUE(script.done()); }
};
} // namespace

TEST_F(FieldCommands, NewProposesAFreeNameWithTheDefaults) {
    TExPrinterField seen{};
    script.edits.push_back([&](TExPrinterField& f) {
        seen = f;
        return true;
    });
    logic.FieldNew();
    EXPECT_EQ(seen.Name.toString(), QStringLiteral("Campo1"));
    EXPECT_EQ(seen.Size, 0);
    EXPECT_EQ(seen.Left + seen.Top + seen.Width + seen.Height, 0.0);
    EXPECT_EQ(seen.HorzAlignment, 1);
    EXPECT_EQ(seen.VertAlignment, 1);
    EXPECT_EQ(seen.FontName.toString(), QStringLiteral("Courier New"));
    EXPECT_EQ(seen.FontSize, 10);
    EXPECT_EQ(seen.FontStyle, 0u);
    EXPECT_EQ(seen.FontColor, 0);
    EXPECT_EQ(seen.Print, 1);
    // A second field, with a renamed neighbour: the next free number.
    logic.Rows().UpdateFieldRow(Field(QStringLiteral("campo2")), 0);
    script.edits.push_back(Accept());
    logic.FieldNew();
    EXPECT_EQ(names(), QStringLiteral("campo2 Campo1"));
    script.edits.push_back(Accept());
    logic.FieldNew();
    EXPECT_EQ(names(), QStringLiteral("campo2 Campo1 Campo3"));
    EXPECT_EQ(logic.Rows().Selected(), 2);
    EXPECT_TRUE(logic.Modified());
}

TEST_F(FieldCommands, CancelledDialogsAndRefusedQuestionsChangeNothing) {
    abcde();
    logic.Rows().SelectFieldRow(2);
    for (auto command : {&TMainLogic::FieldNew, &TMainLogic::FieldEdit, &TMainLogic::FieldClone}) {
        script.edits.push_back([](TExPrinterField& f) {
            f.Name.assign(QStringLiteral("Changed"));
            return false;
        });
        (logic.*command)();
    }
    script.confirms.push_back(false);
    logic.FieldDelete();
    EXPECT_EQ(names(), QStringLiteral("A B C D E"));
    EXPECT_EQ(logic.Rows().Selected(), 2);
    EXPECT_FALSE(logic.Modified());
}

TEST_F(FieldCommands, EditRewritesTheRowInPlace) {
    abcde();
    logic.Rows().SelectFieldRow(1);
    script.edits.push_back([](TExPrinterField& f) {
        f.Left = 2.5;
        f.Name.assign(QStringLiteral("Bee"));
        return true;
    });
    logic.FieldEdit();
    EXPECT_EQ(script.editedNames, QStringList{QStringLiteral("B")});
    EXPECT_EQ(names(), QStringLiteral("A Bee C D E"));
    EXPECT_EQ(logic.Rows().Texts(1).first(), QStringLiteral("Bee"));
    EXPECT_EQ(logic.Rows().Record(1).Left, 2.5);
    EXPECT_EQ(logic.Rows().Selected(), 1);
    EXPECT_TRUE(logic.Modified());
}

TEST_F(FieldCommands, CommandsThatNeedARowDoNothingWithout) {
    abcde();
    logic.FieldEdit();
    logic.FieldDelete();
    logic.FieldClone();
    logic.FieldUp();
    logic.FieldDown();
    EXPECT_EQ(names(), QStringLiteral("A B C D E"));
    EXPECT_FALSE(logic.Modified());
}

TEST_F(FieldCommands, DeleteSelectsTheFollowingRowOrTheNewLast) {
    abcde();
    struct Step {
        int select;
        const char* after;
        int selected;
    } steps[] = {{1, "A C D E", 1}, {3, "A C D", 2}, {0, "C D", 0}, {1, "C", 0}, {0, "", -1}};
    for (const Step& s : steps) {
        logic.Rows().SelectFieldRow(s.select);
        script.confirms.push_back(true);
        logic.FieldDelete();
        EXPECT_EQ(names(), QString::fromUtf8(s.after));
        EXPECT_EQ(logic.Rows().Selected(), s.selected) << s.after;
    }
    EXPECT_EQ(script.questions.first(), QStringLiteral("Deseja excluir este campo?"));
    EXPECT_TRUE(logic.Modified());
    const TCommandStates st = logic.CommandStates();
    EXPECT_FALSE(st.FieldEdit || st.FieldDelete || st.FieldClone || st.FieldUp || st.FieldDown);
}

TEST_F(FieldCommands, CloneAppendsACopyUnderAFreeName) {
    rows({QStringLiteral("Valor3"), QStringLiteral("X"), QStringLiteral("Valor4")});
    TExPrinterField src = Field(QStringLiteral("Valor3"), 4.5);
    src.Top = 1;
    src.Width = 2;
    src.Height = 3;
    src.Size = 9;
    src.HorzAlignment = 3;
    src.FontStyle = fsItalic;
    src.FontColor = 0x00FF00;
    src.Print = 0;
    logic.Rows().UpdateFieldRow(src, 0);
    logic.Rows().SelectFieldRow(0);
    script.edits.push_back(Accept());
    logic.FieldClone();
    EXPECT_EQ(script.editedNames, QStringList{QStringLiteral("Valor5")});
    EXPECT_EQ(names(), QStringLiteral("Valor3 X Valor4 Valor5"));
    EXPECT_EQ(logic.Rows().Selected(), 3);
    TExPrinterField clone = logic.Rows().Record(3);
    clone.Name = src.Name;
    EXPECT_EQ(std::memcmp(&clone, &src, sizeof clone), 0); // every other member carried over
}

TEST_F(FieldCommands, CloneOfAFullLengthNameMayRepeatIt) {
    const QString name30 = QStringLiteral("abcdefghijklmnopqrstuvwxyzabcd");
    rows({name30});
    logic.Rows().SelectFieldRow(0);
    script.edits.push_back(Accept());
    logic.FieldClone();
    // The proposal "...abcd1" is cut back to 30 bytes: the rows accept it, the save will not.
    EXPECT_EQ(names(), name30 + QLatin1Char(' ') + name30);
}

TEST_F(FieldCommands, CloneOfAnOverflowingNumberFailsAndChangesNothing) {
    rows({QStringLiteral("N99999999999")});
    logic.Rows().SelectFieldRow(0);
    EXPECT_THROW(logic.FieldClone(), EConvertError);
    EXPECT_EQ(logic.Rows().Count(), 1);
    EXPECT_FALSE(logic.Modified());
}

TEST_F(FieldCommands, MoveUpAndDownStopAtTheEnds) {
    abcde();
    logic.Rows().SelectFieldRow(0);
    EXPECT_FALSE(logic.CommandStates().FieldUp);
    EXPECT_TRUE(logic.CommandStates().FieldDown);
    logic.FieldUp(); // the shortcut on the first row
    EXPECT_FALSE(logic.Modified());
    logic.FieldDown();
    EXPECT_EQ(names(), QStringLiteral("B A C D E"));
    EXPECT_EQ(logic.Rows().Selected(), 1);
    EXPECT_TRUE(logic.Modified());
    logic.Rows().SelectFieldRow(4);
    EXPECT_FALSE(logic.CommandStates().FieldDown);
    logic.FieldDown();
    EXPECT_EQ(names(), QStringLiteral("B A C D E"));
    logic.FieldUp();
    EXPECT_EQ(names(), QStringLiteral("B A C E D"));
    EXPECT_EQ(logic.Rows().Selected(), 3);
}

TEST_F(FieldCommands, DragAndDropMovesTheDraggedRowOntoTheTarget) {
    struct Case {
        int source, target;
        const char* after;
        int selected;
        bool modified;
    } cases[] = {{0, 3, "B C D A E", 3, true},
                 {4, 1, "A E B C D", 1, true},
                 {2, 2, "A B C D E", 2, false},
                 {1, -1, "A B C D E", 1, false},
                 {1, 5, "A B C D E", 1, false}};
    for (const Case& c : cases) {
        logic.Rows().Clear();
        logic.SetModified(false);
        abcde();
        logic.Rows().SelectFieldRow(c.source);
        logic.DragDrop(c.target);
        EXPECT_EQ(names(), QString::fromUtf8(c.after)) << c.source << "->" << c.target;
        EXPECT_EQ(logic.Rows().Selected(), c.selected);
        EXPECT_EQ(logic.Modified(), c.modified);
    }
    // Nothing is dragged without a selected row.
    logic.Rows().Clear();
    abcde();
    logic.DragDrop(2);
    EXPECT_EQ(names(), QStringLiteral("A B C D E"));
}

TEST_F(FieldCommands, MoveFieldRowIgnoresBadIndexes) {
    abcde();
    for (auto [s, t] : {std::pair{-1, 2}, {2, -1}, {5, 0}, {0, 5}, {3, 3}})
        logic.MoveFieldRow(s, t);
    EXPECT_EQ(names(), QStringLiteral("A B C D E"));
    EXPECT_FALSE(logic.Modified());
    logic.MoveFieldRow(3, 0);
    EXPECT_EQ(names(), QStringLiteral("D A B C E"));
    EXPECT_EQ(logic.Rows().Selected(), 0);
}
