#include "reports/engine/report_export.h"

#include "reports/engine/page_painter.h"
#include "reports/engine/rtf_writer.h"
#include "ui/common/text_convert.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

QString WriteFailure(const QString& path, const QString& reason)
{
    return Tr2("Не вдалося записати файл \"%1\": %2", "Не удалось записать файл \"%1\": %2")
        .arg(QFileInfo(path).absoluteFilePath(), reason);
}

bool Commit(QSaveFile& file, const QString& path, QString& error)
{
    if (file.commit())
        return true;
    error = WriteFailure(path, file.errorString());
    return false;
}

} // namespace

bool WritePdfFile(const std::vector<TPreparedPage>& pages, const QString& path, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = WriteFailure(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QString::fromLatin1(kReportCreator));
        writer.setResolution(600);
        if (!PaintPagesOnDevice(writer, pages)) {
            file.cancelWriting();
            error = WriteFailure(path, Tr2("звіт не має сторінок", "в отчете нет страниц"));
            return false;
        }
    }
    return Commit(file, path, error);
}

bool WriteRtfFile(const std::vector<TPreparedPage>& pages, const QString& path, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = WriteFailure(path, file.errorString());
        return false;
    }
    const QByteArray document = RtfDocument(pages);
    if (file.write(document) != document.size()) {
        error = WriteFailure(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return Commit(file, path, error);
}
