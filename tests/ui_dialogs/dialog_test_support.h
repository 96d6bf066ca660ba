#pragma once
// Shared helpers of the dialog tests: recorded messages, a fresh settings file, actions run while a
// modal window is open.
#include "text/language.h"
#include "text/settings.h"
#include "ui/common/message_box.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Records every message instead of showing it; default settings, Ukrainian.
class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(SettingsFolder.isValid());
        SetSettingsFilePath(SettingsFolder.filePath(QStringLiteral("ormeta.INI")).toStdString());
        IsUkrainian = true;
        SetMessageHandler([this](QWidget*, const QString& text) { Messages << text; });
    }

    void TearDown() override
    {
        SetMessageHandler({});
        SetSettingsFilePath({});
        IsUkrainian = true;
    }

    QTemporaryDir SettingsFolder;
    QStringList Messages;
};

// Runs action once the event loop of the next modal window is running.
inline void WhenModal(std::function<void()> action)
{
    QTimer::singleShot(0, qApp, std::move(action));
}

template <typename T> T* Child(const QWidget& window, const char* name)
{
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}
