// The desktop's light or dark colours.
#include "ui/color_theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleHints>
#include <cstdlib>
#include <cstring>

namespace zorva::ui {

namespace {

bool is_dark(const QPalette& p) {
  return p.color(QPalette::Window).lightness() < 128;
}

// The style and palette the program started with, to go back to when the preference turns light.
struct Light {
  QString style;
  QPalette palette;
};

Light& light() {
  static Light l;
  return l;
}

void apply() {
  const bool dark = system_prefers_dark();
  if (dark == is_dark(QApplication::palette())) return;  // the platform theme follows already
  if (dark) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(dark_palette());
  } else {
    QApplication::setStyle(QStyleFactory::create(light().style));
    QApplication::setPalette(light().palette);
  }
}

}  // namespace

bool system_prefers_dark() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  const Qt::ColorScheme scheme = QGuiApplication::styleHints()->colorScheme();
  if (scheme != Qt::ColorScheme::Unknown) return scheme == Qt::ColorScheme::Dark;
#endif
  if (const char* gtk = std::getenv("GTK_THEME"); gtk != nullptr && std::strstr(gtk, ":dark"))
    return true;
  return is_dark(QApplication::palette());
}

QPalette dark_palette() {
  const QColor window(0x2b, 0x30, 0x38);
  const QColor base(0x1b, 0x1f, 0x26);
  const QColor text(0xe2, 0xe7, 0xee);
  const QColor dim(0x8a, 0x93, 0x9e);
  QPalette p;
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, dim);
  p.setColor(QPalette::BrightText, QColor(0xff, 0x80, 0x80));
  p.setColor(QPalette::Highlight, QColor(0x3d, 0x7b, 0xc4));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Link, QColor(0x7f, 0xb2, 0xf0));
  p.setColor(QPalette::Light, window.lighter(130));
  p.setColor(QPalette::Midlight, window.lighter(115));
  p.setColor(QPalette::Mid, window.darker(120));
  p.setColor(QPalette::Dark, window.darker(150));
  p.setColor(QPalette::Shadow, Qt::black);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, dim);
  return p;
}

void follow_system_theme(QApplication& app) {
  (void)app;  // the receiver of Qt's change signal, where Qt has one
  light().style = QApplication::style()->name();
  light().palette = QApplication::palette();
  apply();
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  QObject::connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, &app,
                   [] { apply(); });
#endif
}

}  // namespace zorva::ui
