// The options window and the language: what is read, what is written, what the user is told.
#include "window_fixture.h"

#include "ui/main/TMainForm.h"
#include "ui/main/TfmOptions.h"
#include "ui/main/budget_tab.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/language_setting.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTranslator>

using namespace Qt::StringLiterals;

class OptionsTest : public UiFixture {};

TEST_F(OptionsTest, OpensWithTheStoredForm)
{
    TfmOptions options(nullptr);
    options.FormShow();
    EXPECT_TRUE(options.RadioButton2->isChecked());
    EXPECT_EQ(options.LabeledEdit1->text(), u"4"_s);
    EXPECT_TRUE(options.LabeledEdit1->isEnabled());
    EXPECT_FALSE(options.LabeledEdit2->isEnabled());

    WriteSettingInt("OutFormat", "Format", 1);
    WriteSettingInt("OutFormat", "Precision", 8);
    options.FormShow();
    EXPECT_TRUE(options.RadioButton1->isChecked());
    EXPECT_FALSE(options.RadioButton2->isChecked());
    EXPECT_EQ(options.LabeledEdit2->text(), u"7"_s);
    EXPECT_TRUE(options.LabeledEdit2->isEnabled());
    EXPECT_FALSE(options.LabeledEdit1->isEnabled());
}

TEST_F(OptionsTest, WritesTheChosenForm)
{
    struct Case {
        bool Exponential;
        QString Digits;
        TNumberFormat Written;
    };
    const Case cases[] = {{false, u"18"_s, {2, 6, 18}}, {false, u"3"_s, {2, 6, 3}}, {true, u"3"_s, {1, 4, 2}}};
    for (const Case& c : cases) {
        TfmOptions options(nullptr);
        (c.Exponential ? options.RadioButton1 : options.RadioButton2)->click();
        (c.Exponential ? options.LabeledEdit2 : options.LabeledEdit1)->setText(c.Digits);
        options.Button1Click();
        EXPECT_TRUE(Messages.isEmpty());
        EXPECT_EQ(options.result(), QDialog::Accepted);
        const TNumberFormat written = ReadNumberFormat();
        EXPECT_EQ(written.Format, c.Written.Format);
        EXPECT_EQ(written.Precision, c.Written.Precision);
        EXPECT_EQ(written.Digits, c.Written.Digits);
    }
}

TEST_F(OptionsTest, RefusesBadDigitCountsAndKeepsWhatWasWrittenBefore)
{
    const QString range = u"Кількість знаків не може бути менщим за 1, чи більшим 18!!"_s;
    const std::pair<QString, QString> cases[] = {
        {u"0"_s, range}, {u"19"_s, range}, {u"abc"_s, u"Не правильно ввели число знаків!!"_s}};
    for (const bool exponential : {false, true}) {
        for (const auto& [digits, message] : cases) {
            Messages.clear();
            WriteSettingInt("OutFormat", "Digits", 4);
            WriteSettingInt("OutFormat", "Precision", 5);
            TfmOptions options(nullptr);
            options.show();
            (exponential ? options.RadioButton1 : options.RadioButton2)->click();
            (exponential ? options.LabeledEdit2 : options.LabeledEdit1)->setText(digits);
            options.Button1Click();
            EXPECT_EQ(Messages, QStringList{message}) << digits.toStdString();
            EXPECT_TRUE(options.isVisible());
            const TNumberFormat stored = ReadNumberFormat();
            EXPECT_EQ(stored.Format, exponential ? 1 : 2);
            EXPECT_EQ(stored.Digits, exponential ? 2 : 4);
            EXPECT_EQ(stored.Precision, 5);
        }
    }
    IsUkrainian = false;
    Messages.clear();
    TfmOptions options(nullptr);
    options.LabeledEdit1->setText(u"x"_s);
    options.Button1Click();
    EXPECT_EQ(Messages, QStringList{u"Не правильно ввели число знак\u006Fв!!"_s});
}

TEST_F(OptionsTest, CloseWritesNothing)
{
    TfmOptions options(nullptr);
    options.LabeledEdit1->setText(u"7"_s);
    options.Button2->click();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsFilePath())));
}

class LanguageTest : public UiFixture {};

TEST_F(LanguageTest, OnlyTheExactValueRussianSelectsRussian)
{
    const std::pair<const char*, bool> cases[] = {
        {"Russian", false}, {"Ukrainian", true}, {"RUSSIAN", true}, {"russian", true}, {"", true}};
    ReadLanguageSetting();
    EXPECT_TRUE(IsUkrainian) << "no settings file";
    for (const auto& [value, ukrainian] : cases) {
        WriteSettingString("Language", "Lang", value);
        ReadLanguageSetting();
        EXPECT_EQ(IsUkrainian, ukrainian) << value;
    }
}

TEST_F(LanguageTest, MenuItemsWriteTheSettingAndKeepTheCheckMarks)
{
    TMainForm form;
    form.N16->trigger();
    EXPECT_EQ(ReadSettingString("Language", "Lang", ""), "Russian");
    EXPECT_EQ(Messages, QStringList{u"Язык будет изменен на русский после следующего запуска программы"_s});
    EXPECT_TRUE(form.N15->isChecked());
    EXPECT_FALSE(form.N16->isChecked());
    EXPECT_TRUE(IsUkrainian);

    Messages.clear();
    form.N15->trigger();
    EXPECT_EQ(ReadSettingString("Language", "Lang", ""), "Ukrainian");
    EXPECT_EQ(Messages, QStringList{u"Мову буде змінено на українську після наступного запуску програми"_s});
    EXPECT_TRUE(form.N15->isChecked());
}

TEST_F(LanguageTest, RussianWindowTextsComeFromTheTranslation)
{
    const QString directory = QStringLiteral(ORMETA_BINARY_DIR "/src");
    if (!QFile::exists(RussianTranslationFile(directory)))
        GTEST_SKIP() << "build the ormeta target first: it compiles the Russian translation";
    IsUkrainian = false;
    ASSERT_TRUE(InstallRussianTranslation(*QCoreApplication::instance(), directory));
    TMainForm form;
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(translator);

    EXPECT_EQ(form.PageControl1->tabText(0), u"Модель оценивания"_s);
    EXPECT_EQ(form.Calculate->text(), u"Вычислить"_s);
    EXPECT_TRUE(form.N16->isChecked());
    EXPECT_FALSE(form.N15->isChecked());
    EXPECT_EQ(form.TabSheet3->LabeledEdit17->EditLabel()->text(), u"Относительная стандартная неопределенность"_s);
    EXPECT_EQ(form.TabSheet3->LabeledEdit18->EditLabel()->text(), u"Относительная расширенная неопределенность"_s);
    // The method box offers the texts the Calculate command understands.
    const QComboBox& methods = *form.TabSheet3->ComboBox7;
    EXPECT_EQ(methods.itemText(0), u"Нормальное"_s);
    EXPECT_EQ(methods.itemText(1), u"Равномерное"_s);
    EXPECT_EQ(methods.itemText(2), u"Распределение Стюдента"_s);
    const uint8_t codes[] = {MethodNormal, MethodUniform, MethodStudent, MethodAutomatic};
    for (int item = 0; item < 4; ++item)
        EXPECT_EQ(CoverageMethodFromText(methods.itemText(item)), codes[item]) << item;
    EXPECT_EQ(methods.currentIndex(), 3);
}
