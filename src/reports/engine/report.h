#pragma once
// The banded report engine: a template loaded from a file, objects looked up by name, user data sets
// walked through first/next/end-of-data callbacks, before-print and variable callbacks, page
// visibility, and preparation (fresh or appended) into sheets for the preview, printer and exports.
#include "reports/engine/prepared_page.h"
#include "reports/engine/report_template.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

// A data set of the program. The engine keeps the record counter: First is called with 0, Next with
// the counter after adding 1; after each the engine asks IsEof and prints the bound band only while it
// answers false. A data set without IsEof is at its end at once.
struct TReportDataSet {
    std::function<void(int recNo)> First;
    std::function<void(int recNo)> Next;
    std::function<bool(int recNo)> IsEof;
};

// Called for every band and object just before it is laid out; may change text, visibility, position.
using TBeforePrint = std::function<void(TReportObject& object)>;
// Value of the expression [name] in a template text; no value leaves the expression as written.
using TVariableValue = std::function<std::optional<QString>(const QString& name)>;

class TReport {
public:
    // Failures (template, preparation) are shown in message boxes over messageParent.
    explicit TReport(QWidget* messageParent = nullptr);
    ~TReport();
    TReport(const TReport&) = delete;
    TReport& operator=(const TReport&) = delete;

    // Discards the template held before; a missing or unreadable file shows a message naming the file and
    // leaves the report empty. Prepared pages are kept, so that a report can be appended to them.
    bool LoadFromFile(const QString& path);
    bool LoadFromXml(const QByteArray& xml, const QString& sourceName);
    bool IsLoaded() const { return Template != nullptr; }
    QWidget* MessageWindow() const { return MessageParent; }

    TReportObject* FindObject(const QString& name) const;
    TReportText* FindText(const QString& name) const;
    TReportPicture* FindPicture(const QString& name) const;
    TReportCrossTab* FindCrossTab(const QString& name) const;
    TReportBand* FindBand(const QString& name) const;
    TReportPage* FindPage(const QString& name) const;
    int PageCount() const;
    TReportPage* Page(int index) const;
    // False when there is no page of that name.
    bool SetPageVisible(const QString& name, bool visible);

    void SetDataSet(const QString& name, TReportDataSet dataSet);
    // The record counter of a data set while the engine walks it (0 before).
    int RecNo(const QString& dataSet) const;
    void SetBeforePrint(TBeforePrint callback) { BeforePrint = std::move(callback); }
    void SetVariableValue(TVariableValue callback) { VariableValue = std::move(callback); }

    // Lays the visible pages out, after the sheets prepared before (append) or in their place. An error
    // stops the preparation, shows the errors and keeps the sheets prepared until then; returns false.
    bool Prepare(bool append = false);
    const std::vector<TPreparedPage>& PreparedPages() const { return Pages; }
    const QStringList& Errors() const { return PrepareErrors; }

private:
    QWidget* MessageParent;
    std::unique_ptr<TReportTemplate> Template;
    std::map<QString, TReportObject*> Objects;
    std::map<QString, TReportDataSet> DataSets;
    std::map<QString, int> RecNos;
    TBeforePrint BeforePrint;
    TVariableValue VariableValue;
    std::vector<TPreparedPage> Pages;
    QStringList PrepareErrors;

    void IndexObjects();
};
