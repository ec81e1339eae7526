// Pictures and horizontal rules.
#pragma once

#include "html/Tag.h"

#include <memory>

namespace tessellon {

class aPicture : public aVisTag {
public:
    using aVisTag::aVisTag;
    QString Align;
    QString PictureURL;
    // The resolved file path or resource name.
    QString Cache;
    QString Protocol;
    int ActualHeight = 0;
    int ActualWidth = 0;
    QString Text;
    // The loaded picture; none when the file or resource is missing.
    std::unique_ptr<Picture> Graphic;

    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
    void Update() override;
    void Draw(Canvas& aCanvas) override;
    void Print() override;

private:
    bool isResource() const { return Protocol == QLatin1String("res"); }
    void load(const QString& path);
};

class aHorizontalRule : public aVisTag {
public:
    using aVisTag::aVisTag;
    int rwidth = 0;
    int size = 4;
    bool noshade = false;

    QString GetHtml() const override;
    void SetHtml(const AttributeList& commands) override;
    void Update() override;
    void Draw(Canvas& aCanvas) override;
    void Print() override;

private:
    Rect ruleBox() const;
};

} // namespace tessellon
