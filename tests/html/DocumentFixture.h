// A document on the recording canvas, and short descriptions of its items
// for comparing whole item lists in one line.
#pragma once

#include "html/MiniHtml.h"
#include "html/Tag.h"
#include "html/TextTags.h"
#include "html/canvas/RecordingCanvas.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tessellon::testing {

class DocumentFixture : public ::testing::Test {
protected:
    DocumentFixture() : document(pictures) {
        document.width = 300;
        document.height = 100;
        document.TargetCanvas = &target;
        document.TickCount = [this] { return ticks; };
        target.setBrush(Brush{rgb(10, 20, 30)});
    }

    void load(const QString& html) {
        document.InputHtml.Html = html;
        document.LoadFromCaption();
    }

    // Words as "[word]" (CR LF dropped), blanks as "_", tags as written back.
    // Loading ends the source with CR LF, which after a final tag is a word of
    // its own; it is left out here.
    QStringList items() const {
        QStringList out;
        for (const auto& item : document.TagList) {
            if (auto* word = dynamic_cast<aText*>(item.get()))
                out << QLatin1Char('[') + word->shownText() + QLatin1Char(']');
            else if (dynamic_cast<aSpace*>(item.get()))
                out << QStringLiteral("_");
            else
                out << item->GetHtml();
        }
        if (!out.isEmpty() && out.last() == QLatin1String("[]"))
            out.removeLast();
        return out;
    }

    template <class T> T* item(int index) const {
        return dynamic_cast<T*>(document.TagList.at(size_t(index)).get());
    }

    // The first word whose shown text is `text`.
    aText* word(const QString& text) const {
        for (const auto& item : document.TagList) {
            auto* w = dynamic_cast<aText*>(item.get());
            if (w && w->shownText() == text)
                return w;
        }
        ADD_FAILURE() << "no word " << text.toStdString();
        return nullptr;
    }

    RecordingCanvas& picture() {
        return static_cast<RecordingCanvas&>(document.CacheBitmap->canvas());
    }

    RecordingPictureFactory pictures;
    RecordingCanvas target{300, 100};
    quint32 ticks = 1000;
    TQzMiniHtml2 document;
};

} // namespace tessellon::testing
