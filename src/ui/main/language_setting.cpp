#include "ui/main/language_setting.h"

#include "text/language.h"
#include "text/settings.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

using namespace Qt::StringLiterals;

void ReadLanguageSetting()
{
    IsUkrainian = ReadSettingString("Language", "Lang", "Ukrainian") != "Russian";
}

QString RussianTranslationFile(const QString& directory)
{
    return QDir(directory).filePath(u"ormeta_ru.qm"_s);
}

bool InstallRussianTranslation(QCoreApplication& app, const QString& directory)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(RussianTranslationFile(directory))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void SetLanguage(QWidget* parent, bool ukrainian)
{
    if (!WriteSettingString("Language", "Lang", ukrainian ? "Ukrainian" : "Russian")) {
        ShowMessage(parent, Tr2("Не вдалося записати файл налаштувань ", "Не удалось записать файл настроек ") +
                                ToQt(SettingsFilePath()));
        return;
    }
    // In the language chosen, whatever the language in use.
    ShowMessage(parent, ukrainian ? u"Мову буде змінено на українську після наступного запуску програми"_s
                                  : u"Язык будет изменен на русский после следующего запуска программы"_s);
}
