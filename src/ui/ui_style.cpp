#include "ui/ui_style.h"

#include <QPalette>
#include <QWidget>

namespace {

QFont MakeFont(const char* family, int pixels, bool bold)
{
    QFont font(QString::fromLatin1(family));
    // Fall back to any Japanese-capable sans face rather than to a Latin one
    // without the kana and kanji.
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont GothicFont(int pixels, bool bold)
{
    QFont font = MakeFont("IPAGothic", pixels, bold);
    font.setFixedPitch(true);
    return font;
}

QFont PGothicFont(int pixels, bool bold)
{
    return MakeFont("IPAPGothic", pixels, bold);
}

void SetColors(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}
