#include "files/commands/evaluation_file_dialog.h"

#include "ui/common/file_dialog.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {
QString Text(const char* source)
{
    return QCoreApplication::translate("EvaluationFileDialog", source);
}

QString EvaluationFilter()
{
    return Text("Файли невизначеності") + u" (*.orm)"_s;
}
} // namespace

QString AskOpenEvaluationFile(QWidget* parent)
{
    return AskOpenFileName(parent, Text("Відкрити файл невизначеності"),
                           EvaluationFilter() + u";;"_s + Text("Будь-які файли") + u" (*)"_s);
}

QString AskSaveEvaluationFile(QWidget* parent)
{
    return AskSaveFileName(parent, Text("Зберегти файл невизначеності"), EvaluationFilter());
}
