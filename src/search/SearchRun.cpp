// The search run: host step, catalog refresh, statement build, execution and
// status text. It leaves one result set (attached to `ds`), the hit count and
// the status text behind; the result list, preview, actions and report read
// them.
#include "app/TKorvaneTessellonMain.h"
#include "common/CommaText.h"
#include "common/Error.h"
#include "query/CriteriaTables.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "search/StatusText.h"

namespace tessellon {

namespace {

// Restores the normal cursor however the run ends.
class NormalCursorAtEnd {
public:
    explicit NormalCursorAtEnd(Platform& platform) : platform_(platform) {}
    ~NormalCursorAtEnd() { platform_.setNormalCursor(); }
    NormalCursorAtEnd(const NormalCursorAtEnd&) = delete;
    NormalCursorAtEnd& operator=(const NormalCursorAtEnd&) = delete;

private:
    Platform& platform_;
};

// The whole text must be a 32-bit integer.
std::optional<int> strictInt(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || text.trimmed() != text)
        return std::nullopt;
    return value;
}

} // namespace

void TKorvaneTessellonMain::SearchbtnClick() {
    platform_.setBusyCursor();
    NormalCursorAtEnd normalCursor(platform_);
    struct SearchingUntilReturn {
        bool& flag;
        explicit SearchingUntilReturn(bool& f) : flag(f) { flag = true; }
        ~SearchingUntilReturn() { flag = false; }
    } searchingNow(searching);
    lastRunFailed = true; // until a statement has been executed

    hostStep();
    if (hostunreachable)
        return;
    CatalogRefreshClick();
    preview.RichEdit1.clear();

    TKorvaneTessellonAdvancedSQL& dialog = *advancedSQL;
    dialog.ComboBox20.text = ComboBox100.text;
    dialog.ResearchSQL();

    Memo1.text = QStringLiteral("Searching ...");
    platform_.setBusyCursor();
    platform_.processPendingEvents();

    if (const std::optional<int> limit = strictInt(dialog.ComboBox4.text)) {
        resultslimit = *limit;
    } else {
        dialog.ComboBox4.text = DefaultResultsLimit;
        resultslimit = DefaultResultsLimit.toInt();
    }

    if (sqlstatement.isEmpty() || ADOQuery1.statementText().isEmpty())
        return; // never execute the statement of an earlier build

    try {
        ADOQuery1.setMaxRecords(resultslimit);
        ADOQuery1.open();
        ds.attach(ADOQuery1.recordSet());
        doccount = ADOQuery1.recordCount();
        Memo1.text = composeStatusText();
        lastRunFailed = false;
    } catch (const std::exception& e) {
        ds.detach();
        Memo1.text = errorMessage(e);
        if (dialog.expertMode())
            Memo1.text += QStringLiteral("\r\n") + ExpertNotice;
    }

    // The first setting always differs from the second, so the list drops
    // every row it shows even when the count stays the same.
    ListView1.setItemCount(doccount - 100);
    ListView1.setItemCount(doccount);
    dialog.Memo1.text = sqlstatement;
}

QString TKorvaneTessellonMain::composeStatusText() {
    const TKorvaneTessellonAdvancedSQL& dialog = *advancedSQL;
    if (!dialog.expertMode())
        sortdirectiontext =
            sortmarker == u" [d]" ? QStringLiteral(" descending") : QStringLiteral(" ascending");
    StatusFacts facts;
    facts.doccount = doccount;
    facts.resultsLimitText = dialog.ComboBox4.text;
    facts.hostText = hostcb.text;
    facts.catalogstr = catalogstr;
    facts.expert = dialog.expertMode();
    facts.allWords = dialog.ComboBox20.text;
    facts.anyWords = dialog.ComboBox22.text;
    facts.withoutWords = dialog.ComboBox23.text;
    facts.fileNames = dialog.ComboBox24.text;
    facts.ignore = dialog.ComboBox5.text;
    facts.folders = dialog.ComboBox3.text;
    facts.datesEnabled = dialog.startdatepicker.checked || dialog.enddatepicker.checked;
    facts.startdatevalue = startdatevalue;
    facts.enddatevalue = enddatevalue;
    facts.minsizetext = minsizetext;
    facts.maxsizetext = maxsizetext;
    facts.attributemask = attributemask;
    facts.sortcolumn = sortcolumn;
    facts.sortdirectiontext = sortdirectiontext;
    return statusText(facts);
}

void TKorvaneTessellonMain::fillcatalogstr() {
    catalognames.clear();
    if (!advancedSQL)
        return;
    if (advancedSQL->expertMode()) {
        fillcatalogsfromsql();
    } else {
        for (const TickListItem& item : CatalogListView.items) {
            if (item.checked)
                catalognames << item.caption;
        }
        if (catalognames.isEmpty() && !CatalogListView.items.isEmpty()) {
            CatalogListView.items.front().checked = true;
            catalognames << CatalogListView.items.front().caption;
        }
    }
    catalogstr = CommaText::write(catalognames);
}

void TKorvaneTessellonMain::fillcatalogsfromsql() {
    const QString text = advancedSQL ? advancedSQL->Memo1.text : QString();
    qsizetype from = 0;
    for (;;) {
        const qsizetype dots = text.indexOf(u"..", from);
        if (dots < 0)
            return;
        from = dots + 2;
        qsizetype start = dots;
        while (start > 0 && text[start - 1] != u'.' && text[start - 1] != u' ')
            --start;
        catalognames << text.mid(start, dots - start);
    }
}

} // namespace tessellon
