#pragma once
// Reads a report template from our XML format (described in template_loader.cpp).
#include "reports/engine/report_template.h"

#include <QByteArray>
#include <QString>

#include <memory>

// A template that cannot be read; Message is in the current language and says where and why.
class ETemplateError {
public:
    explicit ETemplateError(QString message) : Message(std::move(message)) {}
    QString Message;
};

std::unique_ptr<TReportTemplate> ParseReportTemplate(const QByteArray& xml);
