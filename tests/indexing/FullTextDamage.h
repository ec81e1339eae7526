// Damage inside a store's full-text index that leaves SQLite's pages sound:
// bytes of the index's own data, rewritten through SQLite.
#pragma once

#include <QString>

// Flips bytes at the start of the index's largest leaf, its header: FTS5's
// integrity check and the queries that read the leaf find it malformed.
void damageFullTextLeaf(const QString& storeFile);
// Flips bytes of the index's structure record, which every reader and writer
// reads first.
void damageFullTextStructure(const QString& storeFile);
