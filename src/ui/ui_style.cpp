#include "ui/ui_style.h"

#include <QPushButton>

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

namespace {

// Text colours go to the active and inactive groups only: a disabled
// control keeps the style's grey, so the user sees which commands are off.
void SetEnabledText(QPalette& palette, QPalette::ColorRole role, const QColor& text)
{
    palette.setColor(QPalette::Active, role, text);
    palette.setColor(QPalette::Inactive, role, text);
}

}  // namespace

void SetColors(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    SetEnabledText(palette, QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, const QColor& text)
{
    QPalette palette = widget->palette();
    SetEnabledText(palette, QPalette::WindowText, text);
    SetEnabledText(palette, QPalette::ButtonText, text);
    SetEnabledText(palette, QPalette::Text, text);
    widget->setPalette(palette);
}

QPushButton* MakeCommandButton(QWidget* parent, const char* caption, int left, int top, int width, int height)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setGeometry(left, top, width, height);
    button->setEnabled(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QStringList BoardSizeCaptions()
{
    return {QStringLiteral("小　　10×10"), QStringLiteral("中　　17×17"), QStringLiteral("大    31×45"),
            QStringLiteral("特大　50×64")};
}
