// The printing target a document can send itself to instead of its picture.
// The base class outputs nothing; a concrete target overrides what it needs.
// Coordinates are floating-point so that a target can work in its own units.
#pragma once

#include "html/Canvas.h"
#include "html/CurrentState.h"

#include <QString>

namespace tessellon {

class TDummyPrinter {
public:
    virtual ~TDummyPrinter() = default;

    int PageHeight = 630;
    int PageWidth = 530;
    int ContentHeight = 550;
    int HeaderHeight = 40;
    int FooterHeight = 40;
    int Height = 0;
    int Pages = 0;
    int CurrentPage = 0;
    QString OutputFilename;

    virtual void Init(int /*Height*/) {}
    virtual void Save() {}
    virtual int GetWidth(const TextFont& /*Font*/, const QString& /*Text*/) { return 0; }
    virtual void PicOut(double /*X*/, double /*Y*/, const QString& /*FXObjectName*/,
                        const Picture* /*Graphic*/, double /*Height*/, double /*Width*/) {}
    virtual void TextOut(double /*X*/, double /*Y*/, const QString& /*Text*/) {}
    virtual void DrawLine(double /*X1*/, double /*Y1*/, double /*X2*/, double /*Y2*/,
                          double /*Width*/) {}
    virtual void Rectangle(double /*X1*/, double /*Y1*/, double /*X2*/, double /*Y2*/,
                           double /*Width*/) {}
    virtual void Ellipse(double /*X*/, double /*Y*/, double /*Width*/, double /*Height*/,
                         double /*LineWidth*/) {}
    virtual void SetFont(const TextFont& /*Font*/, TTextStyle /*TextStyle*/) {}
    virtual void SetPenColor(Color /*Color*/) {}
    virtual void SetBrushColor(Color /*Color*/) {}
};

} // namespace tessellon
