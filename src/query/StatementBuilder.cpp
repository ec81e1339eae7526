// The statement builder: turns the criteria of the advanced dialog, the host
// box, the catalog selection and the sort order into one statement in the
// indexing dialect, and prepares the query and the result columns for the
// run. User words go into the statement as typed, but for the apostrophes
// inside single-quoted texts, which are doubled so that "don't" stays a word
// of the text rather than ending it.
#include "app/TKorvaneTessellonMain.h"
#include "common/CommaText.h"
#include "common/DateFormat.h"
#include "query/CriteriaTables.h"
#include "query/RecentEntries.h"
#include "query/ResultColumns.h"
#include "query/SizeRules.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "query/WordSplitting.h"

namespace tessellon {

namespace {

const QChar Blank = u' ';
const QChar Comma = u',';
const QChar DoubleQuote = u'"';

// The data source stays empty: host and catalogs are named in the statement.
const QString ConnectionText = QStringLiteral("Provider=MSIDXS;Data Source=");

// 1-based substring as the expert select list is cut: an index below 1 counts
// as 1, a negative count gives nothing.
QString copyText(const QString& text, qsizetype index, qsizetype count) {
    if (index < 1)
        index = 1;
    if (count <= 0 || index > text.size())
        return {};
    return text.mid(index - 1, count);
}

// 1-based insertion; beyond the end it appends.
void insertText(const QString& piece, QString& text, qsizetype index) {
    text.insert(std::clamp<qsizetype>(index - 1, 0, text.size()), piece);
}

// User text inside a single-quoted literal of the statement.
QString inLiteral(QString text) {
    return text.replace(u'\'', QStringLiteral("''"));
}

QStringList inLiteral(QStringList texts) {
    for (QString& text : texts)
        text = inLiteral(text);
    return texts;
}

QString joinWords(const QStringList& words, const QString& separator, const QString& before,
                  const QString& after) {
    QStringList pieces;
    for (const QString& w : words)
        pieces << before + w + after;
    return pieces.join(separator);
}

} // namespace

void TKorvaneTessellonAdvancedSQL::ResearchSQL() {
    recordRecentEntries();
    SyncWordBoxes();
    prepareQuery();
    if (expertMode())
        buildExpertStatement();
    else
        buildNormalStatement();
}

void TKorvaneTessellonAdvancedSQL::recordRecentEntries() {
    for (ComboBoxModel* box : {&ComboBox20, &ComboBox22, &ComboBox23, &ComboBox24, &ComboBox1,
                               &ComboBox2, &ComboBox3, &ComboBox4, &ComboBox5})
        AddTexttoCombobox(*box);
    AddTexttoCombobox(main_.ComboBox100);
    AddTexttoCombobox(main_.ComboBox103);
}

void TKorvaneTessellonAdvancedSQL::prepareQuery() {
    main_.ADOQuery1.close();
    main_.ADOQuery1.setConnectionText(ConnectionText);
    main_.sqlstatement.clear();
}

void TKorvaneTessellonAdvancedSQL::buildExpertStatement() {
    main_.columnfields.clear();
    QString statement = Memo1.text;
    const QString lower = statement.toLower();
    const qsizetype s = lower.indexOf(u"select") + 1; // 1-based, 0 when missing
    const qsizetype f = lower.indexOf(u"from") + 1;
    const QString selectList = copyText(statement, s + 7, f - (s + 7));

    main_.ListView1.columns.clear();
    main_.columnfields = CommaText::read(selectList);
    const bool hasPath =
        std::any_of(main_.columnfields.begin(), main_.columnfields.end(), [](const QString& name) {
            return name.compare(u"path", Qt::CaseInsensitive) == 0;
        });
    if (!hasPath) {
        // Every reader of the results relies on the field named Path.
        main_.columnfields.prepend(QStringLiteral("Path"));
        insertText(QStringLiteral("Path, "), statement, s + 7);
    }
    for (const QString& name : main_.columnfields)
        main_.ListView1.columns.append(resultColumn(name));
    main_.sqlstatement = statement;
    main_.ADOQuery1.setStatementText(main_.sqlstatement);
}

void TKorvaneTessellonAdvancedSQL::rebuildNormalColumns() {
    fillCheckedcolumnsstrlist();
    main_.ListView1.columns.clear();
    for (int i = 0; i < main_.columnfields.size(); ++i)
        main_.ListView1.columns.append(resultColumn(main_.columnfields[i], i));
    main_.ListView1.columns.append(recordNumberColumn());
}

QString TKorvaneTessellonAdvancedSQL::selectList() const {
    QString list = QStringLiteral("Path, ") + main_.columnfields.join(QStringLiteral(", "));
    const qsizetype again = list.indexOf(u"Path", 4);
    if (again >= 0)
        list.remove(again - 2, 6);
    return list;
}

QString TKorvaneTessellonAdvancedSQL::scopeText() const {
    if (ComboBox3.text == AllFoldersMarker)
        return QStringLiteral("SCOPE() ");
    QStringList folders = inLiteral(GetAllWords(ComboBox3, Comma, DoubleQuote));
    if (folders.isEmpty())
        return QStringLiteral("SCOPE() ");
    for (QString& folder : folders) {
        if (!folder.startsWith(DoubleQuote))
            folder.prepend(DoubleQuote);
        if (!folder.endsWith(DoubleQuote))
            folder.append(DoubleQuote);
    }
    const QString traversal =
        deepshallow_cb.checked ? QString() : QStringLiteral("SHALLOW TRAVERSAL OF ");
    if (folders.size() == 1)
        return QStringLiteral("SCOPE(' ") + traversal + folders.front() + QStringLiteral(" ') ");
    return QStringLiteral("SCOPE(' ") + traversal + u'(' + folders.join(QStringLiteral(", ")) +
           QStringLiteral(") ') ");
}

QString TKorvaneTessellonAdvancedSQL::hostPrefix() const {
    if (main_.hostcb.text == main_.localcomputername)
        return {};
    return main_.hostcb.text + u'.';
}

void TKorvaneTessellonAdvancedSQL::buildNormalStatement() {
    rebuildNormalColumns();
    const QString select = selectList();
    const QString scope = scopeText();
    const QString host = hostPrefix();

    main_.fillcatalogstr();
    const QStringList& catalogs = main_.catalognames;
    if (catalogs.isEmpty())
        return;

    QString statement = QStringLiteral("SELECT ") + select + QStringLiteral(" FROM ");
    if (catalogs.size() == 1) {
        statement += host + catalogs.front() + QStringLiteral("..") + scope;
    } else {
        statement +=
            QStringLiteral("(TABLE ") + host + catalogs.front() + QStringLiteral("..") + scope;
        for (qsizetype i = 1; i < catalogs.size(); ++i)
            statement += QStringLiteral("UNION ALL TABLE ") + host + catalogs[i] +
                         QStringLiteral("..") + scope;
        statement += u')';
    }

    const QString condition = whereCondition();
    if (!condition.isEmpty())
        statement += QStringLiteral(" WHERE ") + condition;
    statement += QStringLiteral(" ORDER BY ") + main_.sortcolumn +
                 (main_.sortmarker == u" [a]" ? QStringLiteral(" ASC ") : QStringLiteral(" DESC "));
    main_.sqlstatement = statement;
    main_.ADOQuery1.setStatementText(main_.sqlstatement);
}

QString TKorvaneTessellonAdvancedSQL::whereCondition() {
    QString allWords;
    if (const QStringList words = inLiteral(GetAllWords(ComboBox20, Blank, DoubleQuote));
        !words.isEmpty())
        allWords = QStringLiteral("CONTAINS(All, '") + words.join(QStringLiteral(" AND ")) +
                   QStringLiteral("') ");

    QString anyWords;
    if (const QString phrase = inLiteral(QuoteWhole(ComboBox22.text)); !phrase.isEmpty())
        anyWords = QStringLiteral(" FREETEXT(Contents,'") + phrase + QStringLiteral("')");

    QString patterns;
    if (const QStringList found = inLiteral(GetAllWords(ComboBox24, Blank, DoubleQuote));
        !found.isEmpty()) {
        patterns = joinWords(found, QStringLiteral(" OR "), QStringLiteral(" MATCHES(Filename, '"),
                             QStringLiteral("')"));
        if (found.size() >= 2)
            patterns = u'(' + patterns + u')';
    }

    // Several words: one CONTAINS over all of them joined by OR, so a
    // document holding any of them is left out.
    QString withoutWords;
    if (const QStringList words = inLiteral(GetAllWords(ComboBox23, Blank, DoubleQuote));
        !words.isEmpty())
        withoutWords = QStringLiteral(" AND NOT CONTAINS(All, '") +
                       words.join(QStringLiteral(" OR ")) + QStringLiteral("') ");

    QString ignore;
    if (ComboBox5.text != IgnoreNothingMarker)
        ignore = joinWords(inLiteral(GetAllWords(ComboBox5, Blank, DoubleQuote)),
                           QStringLiteral(" AND "), QStringLiteral(" NOT MATCHES(Filename, '"),
                           QStringLiteral("')"));

    main_.startdatevalue = startdatepicker.dateTime.date();
    main_.enddatevalue = enddatepicker.dateTime.date();
    const QString start = formatShortDate(main_.startdatevalue);
    const QString end = formatShortDate(main_.enddatevalue);
    QString dates;
    if (startdatepicker.checked && enddatepicker.checked)
        dates = QStringLiteral(" (write >= '") + start + QStringLiteral("') AND (write <= '") +
                end + QStringLiteral("') ");
    else if (startdatepicker.checked)
        dates = QStringLiteral(" (write >= '") + start + QStringLiteral("') ");
    else if (enddatepicker.checked)
        dates = QStringLiteral(" (write <= '") + end + QStringLiteral("') ");

    main_.minsizetext = ParseSizeValue(ComboBox1.text);
    main_.maxsizetext = ParseSizeValue(ComboBox2.text);
    const QString& minSize = main_.minsizetext;
    const QString& maxSize = main_.maxsizetext;
    QString sizes;
    if (!minSize.isEmpty() && !maxSize.isEmpty())
        sizes = QStringLiteral(" (size >= ") + minSize + QStringLiteral(") AND (size <= ") +
                maxSize + QStringLiteral(") ");
    else if (!minSize.isEmpty())
        sizes = QStringLiteral(" (size >= ") + minSize + QStringLiteral(") ");
    else if (!maxSize.isEmpty())
        sizes = QStringLiteral(" (size <= ") + maxSize + QStringLiteral(") ");

    main_.attributemask = 0;
    for (const AttributeRow& row : AttributeRows) {
        const int at = FileAttributsListView.indexOf(QString::fromUtf16(row.caption));
        if (at >= 0 && FileAttributsListView.items[at].checked)
            main_.attributemask |= row.bit;
    }

    QString w = allWords;
    if (!anyWords.isEmpty())
        w += QStringLiteral(" AND") + anyWords;
    if (!patterns.isEmpty())
        w += QStringLiteral(" AND") + patterns;
    w += withoutWords;
    if (!ignore.isEmpty())
        w += QStringLiteral(" AND") + ignore;
    if (!dates.isEmpty())
        w += QStringLiteral(" AND") + dates;
    if (!sizes.isEmpty())
        w += QStringLiteral(" AND") + sizes;
    if (main_.attributemask != AllAttributesMask)
        w += QStringLiteral(" AND ATTRIB = ARRAY[0x") +
             QStringLiteral("%1").arg(main_.attributemask, 8, 16, QChar(u'0')).toUpper() +
             QStringLiteral("] ");
    // A condition that would start with a negation gets an always-true test
    // in front.
    if (w.startsWith(u" AND NOT"))
        w.prepend(QStringLiteral(" Size >=0"));
    if (w.startsWith(u" AND"))
        w.remove(0, 4);
    return w;
}

} // namespace tessellon
