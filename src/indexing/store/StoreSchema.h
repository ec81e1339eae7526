// The schema of a catalog's index store: one SQLite database per catalog.
// The writer (store, crawler) and the reader (statement executor) both follow
// it; a change of the schema raises SchemaVersion, and a store of another
// version is rebuilt.
//
// documents: one row per file or folder below a scope.
//   id               the document's WorkId (also the rowid of `fulltext`)
//   path             full path, the raw bytes the file system gave (BLOB)
//   directory        the folder's raw bytes, without a trailing "/" (BLOB)
//   filename         the name as text (bytes that are not UTF-8 read as U+FFFD)
//   size             bytes (0 for folders)
//   write_ms, create_ms, access_ms   milliseconds since the epoch, UTC
//   attrib           attribute flags (ReadOnly 0x1, Hidden 0x2, Directory 0x10,
//                    Archive 0x20, Device 0x40, Normal 0x80, Sparse 0x200,
//                    Reparse Point 0x400, Compressed 0x800, Encrypted 0x4000)
//   title, subject, author, comments   text, '' when none
//   keywords         the document's keywords, joined by "\n" ('' when none)
//   mtime_ns, ctime_ns, inode   what the crawler compares to spot a change
//   filter_state     0 waiting to be filtered, 1 filtered, 2 properties only
//                    (not a text format), 3 filter failed
//   filter_error     the failure's message when filter_state is 3
//
// documents_name: the documents in the order of their names (letter case
// ignored, see NameCollation), then of their paths; a search for common
// words ordered by name walks it and stops once it has enough rows.
//
// characterizations: a document's summary (its first sentences), for the
// documents that have text. Kept apart so that the documents rows, which
// every query reads by the thousand, stay narrow.
//
// fulltext: FTS5 over the document text and its text properties; the rowid
// is documents.id. Readers use only MATCH, rowid and FTS5's auxiliary
// functions (bm25, instance counts), never the stored column values: the
// table is contentless (it keeps the index, not a copy of the text), which
// holds the store well below the size of the text it indexes.
//
// document_text: what the contentless index needs to forget a document's
// text when the document changes or goes: the number of terms the index made
// of it and its distinct terms, each a number into `terms` or spelled out
// (see TermPacker).
//
// terms: the catalog's numbered terms (id, term as UTF-8 bytes).
//
// meta: key/value pairs; "query_count" counts the statements answered;
// "scan_state" is "complete" after a finished scan and "incomplete" while one
// runs (or was cut off); "to_filter" the documents a running scan has still to
// filter; "last_error" the last failure the service met.
#pragma once

namespace tessellon::StoreSchema {

inline constexpr int SchemaVersion = 5;

inline constexpr const char* CreateStatements = R"sql(
CREATE TABLE IF NOT EXISTS documents (
    id INTEGER PRIMARY KEY,
    path BLOB NOT NULL UNIQUE,
    directory BLOB NOT NULL,
    filename TEXT NOT NULL,
    size INTEGER NOT NULL DEFAULT 0,
    write_ms INTEGER NOT NULL DEFAULT 0,
    create_ms INTEGER NOT NULL DEFAULT 0,
    access_ms INTEGER NOT NULL DEFAULT 0,
    attrib INTEGER NOT NULL DEFAULT 0,
    title TEXT NOT NULL DEFAULT '',
    subject TEXT NOT NULL DEFAULT '',
    author TEXT NOT NULL DEFAULT '',
    keywords TEXT NOT NULL DEFAULT '',
    comments TEXT NOT NULL DEFAULT '',
    mtime_ns INTEGER NOT NULL DEFAULT 0,
    ctime_ns INTEGER NOT NULL DEFAULT 0,
    inode INTEGER NOT NULL DEFAULT 0,
    filter_state INTEGER NOT NULL DEFAULT 0,
    filter_error TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS documents_directory ON documents(directory);
CREATE INDEX IF NOT EXISTS documents_filter_state ON documents(filter_state);
CREATE INDEX IF NOT EXISTS documents_name ON documents(filename COLLATE tessellon_nocase, path);
CREATE TABLE IF NOT EXISTS characterizations (
    id INTEGER PRIMARY KEY,
    text TEXT NOT NULL
);
CREATE VIRTUAL TABLE IF NOT EXISTS fulltext USING fts5(
    contents, filename, title, subject, author, keywords, comments,
    tokenize = 'unicode61 remove_diacritics 2',
    prefix = '3',
    content = ''
);
CREATE TABLE IF NOT EXISTS document_text (
    id INTEGER PRIMARY KEY,
    text BLOB NOT NULL
);
CREATE TABLE IF NOT EXISTS terms (
    id INTEGER PRIMARY KEY,
    term BLOB NOT NULL
);
CREATE TABLE IF NOT EXISTS meta (
    key TEXT PRIMARY KEY,
    value
);
)sql";

// Column order of `fulltext`, for column filters in MATCH expressions.
inline constexpr const char* FulltextColumns[] = {"contents", "filename", "title",   "subject",
                                                  "author",   "keywords", "comments"};

} // namespace tessellon::StoreSchema
