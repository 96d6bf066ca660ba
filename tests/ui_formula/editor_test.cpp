// The formula editor: keypad, input buttons, "back", the zoom rules and the texts it hands back.
#include "ui/formula/TFormula.h"
#include "ui/main/labeled_edit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace {
QToolButton* Key(TFormula& editor, const QString& caption)
{
    for (QToolButton* button : editor.findChildren<QToolButton*>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override { FormulaZoom = 13; }
    void Open(const QString& formula, const QStringList& inputs = {u"x1"_s, u"x2"_s, u"Y"_s})
    {
        Editor.SetModel(u"Y"_s, formula, u"V"_s, inputs);
        Editor.show();
        QApplication::processEvents();
    }
    TFormula Editor{nullptr};
};
} // namespace

TEST_F(EditorTest, InputButtonsSkipTheOutputName)
{
    Open(u"x1"_s);
    // Showing the window leaves the caret at the end of the formula, nothing selected.
    EXPECT_EQ(Editor.EditFormula->cursorPosition(), 2);
    EXPECT_FALSE(Editor.EditFormula->hasSelectedText());
    QStringList captions;
    for (const QToolButton* button : Editor.VarButtons)
        captions << button->text();
    EXPECT_EQ(captions, (QStringList{u"x1"_s, u"x2"_s}));
    EXPECT_TRUE(Editor.VarBox->isVisible());
    EXPECT_EQ(Editor.focusWidget(), Editor.EditFormula);
    Editor.reject();
    EXPECT_TRUE(Editor.VarButtons.empty());

    Open(u""_s, {});
    EXPECT_FALSE(Editor.VarBox->isVisible());
}

TEST_F(EditorTest, KeypadInsertsOnlyIntoTheFormula)
{
    Open(u"x1+"_s);
    Key(Editor, u"sin"_s)->click();
    Key(Editor, u"("_s)->click();
    Editor.VarButtons[1]->click();
    EXPECT_EQ(Editor.EditFormula->text(), u"x1+sin(x2"_s);
    EXPECT_EQ(Editor.EditFormula->cursorPosition(), 9);

    // The selection "x1" is replaced by the button's caption.
    Editor.EditFormula->setSelection(0, 2);
    Editor.VarButtons[1]->click();
    EXPECT_EQ(Editor.EditFormula->text(), u"x2+sin(x2"_s);
    EXPECT_EQ(Editor.EditFormula->cursorPosition(), 2);

    Editor.VarEdit->setFocus();
    Key(Editor, u"7"_s)->click();
    EXPECT_EQ(Editor.EditFormula->text(), u"x2+sin(x2"_s);
    EXPECT_EQ(Editor.VarEdit->text(), u"Y"_s);
    Editor.reject();
}

TEST_F(EditorTest, BackDeletesTheCharacterBeforeTheSelection)
{
    Open(u"a+x1"_s);
    Editor.EditFormula->setSelection(2, 2);
    Key(Editor, u"back"_s)->click();
    EXPECT_EQ(Editor.EditFormula->text(), u"ax1"_s);
    EXPECT_EQ(Editor.EditFormula->cursorPosition(), 1);
    Key(Editor, u"back"_s)->click();
    EXPECT_EQ(Editor.EditFormula->text(), u"x1"_s);
    Key(Editor, u"back"_s)->click(); // at the start nothing changes
    EXPECT_EQ(Editor.EditFormula->text(), u"x1"_s);
    Editor.reject();
}

TEST_F(EditorTest, ZoomRunsInStepsOfThreeWithinTheRoom)
{
    Open(u"a+b"_s);
    const int room = Editor.ScrollBox1->height() - 15;
    for (int k = 0; k < 10; ++k)
        Editor.ZoomMinusClick();
    EXPECT_EQ(FormulaZoom, 1);
    int previous = FormulaZoom;
    for (int k = 0; k < 30; ++k) {
        Editor.ZoomPlusClick();
        EXPECT_EQ((FormulaZoom - 1) % 3, 0);
        EXPECT_LE(FormulaZoom, 67);
        EXPECT_LT(Editor.Image->height(), room) << FormulaZoom;
        EXPECT_GE(FormulaZoom, previous);
        previous = FormulaZoom;
    }
    EXPECT_GT(FormulaZoom, 13);
    Editor.reject();
}

TEST_F(EditorTest, TallFormulaShrinksTheSizeUntilItFits)
{
    FormulaZoom = 67;
    Open(u""_s);
    Editor.EditFormula->setText(u"a/(b/(c/(d/(e/f))))"_s);
    EXPECT_LT(FormulaZoom, 67);
    EXPECT_EQ((FormulaZoom - 1) % 3, 0);
    EXPECT_LT(Editor.Image->height(), Editor.ScrollBox1->height() - 15);
    Editor.reject();
}

TEST_F(EditorTest, HandsBackTrimmedTexts)
{
    Editor.SetModel(u" Y "_s, u"  a+b "_s, u" V  "_s, {});
    EXPECT_EQ(Editor.OutputName(), u"Y"_s);
    EXPECT_EQ(Editor.Formula(), u"a+b"_s);
    EXPECT_EQ(Editor.Unit(), u"V"_s);
}
