// Drawing of the toolbar icons.
#include "ui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace zorva::ui {

namespace {

constexpr int kSize = 32;
const QColor kInk(0x23, 0x3a, 0x5e);
const QColor kRouterBlue(0x2f, 0x6f, 0xb5);
const QColor kPaper(0xfa, 0xf7, 0xee);
const QColor kAccent(0xe0, 0x8a, 0x1e);
const QColor kLink(0x3c, 0xa5, 0x5c);

QIcon painted(const std::function<void(QPainter&)>& draw) {
  QPixmap pm(kSize, kSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  return QIcon(pm);
}

// A router seen from above: a rounded disc with four arrows, the usual network-diagram glyph.
void draw_router(QPainter& p, const QRectF& r, const QString& label) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kRouterBlue);
  p.drawEllipse(r);
  if (!label.isEmpty()) {
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(static_cast<int>(r.height() * 0.62));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, label);
    return;
  }
  p.setPen(QPen(Qt::white, 1.6));
  const QPointF c = r.center();
  const double d = r.width() * 0.28;
  p.drawLine(QPointF(c.x() - d, c.y()), QPointF(c.x() + d, c.y()));
  p.drawLine(QPointF(c.x(), c.y() - d * 0.7), QPointF(c.x(), c.y() + d * 0.7));
}

}  // namespace

QIcon application_icon() {
  return painted([](QPainter& p) {
    draw_router(p, QRectF(3, 6, 26, 20), {});
    p.setPen(Qt::NoPen);
    p.setBrush(kLink);
    p.drawEllipse(QRectF(24, 3, 6, 6));
  });
}

QIcon router_icon(int n) {
  return painted([n](QPainter& p) { draw_router(p, QRectF(2, 5, 28, 22), QString::number(n)); });
}

QIcon lab_navigator_icon() {
  return painted([](QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    QPainterPath left;
    left.moveTo(16, 8);
    left.cubicTo(11, 5, 6, 5, 3, 7);
    left.lineTo(3, 26);
    left.cubicTo(6, 24, 11, 24, 16, 27);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(16, 8);
    right.cubicTo(21, 5, 26, 5, 29, 7);
    right.lineTo(29, 26);
    right.cubicTo(26, 24, 21, 24, 16, 27);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(kRouterBlue, 1));
    for (int y = 11; y <= 20; y += 3) {
      p.drawLine(6, y, 13, y + 1);
      p.drawLine(19, y + 1, 26, y);
    }
  });
}

QIcon current_lab_icon() {
  return painted([](QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(6, 3, 20, 26));
    p.setPen(QPen(kRouterBlue, 1));
    for (int y = 10; y <= 24; y += 4) p.drawLine(9, y, 23, y);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    QPolygonF mark;
    mark << QPointF(19, 3) << QPointF(25, 3) << QPointF(25, 13) << QPointF(22, 10)
         << QPointF(19, 13);
    p.drawPolygon(mark);
  });
}

QIcon topology_icon() {
  return painted([](QPainter& p) {
    p.setPen(QPen(kLink, 2));
    p.drawLine(QPointF(8, 9), QPointF(24, 9));
    p.drawLine(QPointF(24, 9), QPointF(16, 24));
    p.drawLine(QPointF(8, 9), QPointF(16, 24));
    draw_router(p, QRectF(2, 4, 12, 10), {});
    draw_router(p, QRectF(18, 4, 12, 10), {});
    draw_router(p, QRectF(10, 19, 12, 10), {});
  });
}

QIcon diagram_icon() {
  return painted([](QPainter& p) {
    const QPointF c[] = {{8, 8}, {24, 8}, {24, 24}, {8, 24}};
    for (int i = 0; i < 4; ++i) {
      p.setPen(QPen(i == 2 ? QColor(0xd0, 0x3a, 0x2f) : kLink, 2));
      p.drawLine(c[i], c[(i + 1) % 4]);
    }
    for (const QPointF& at : c) draw_router(p, QRectF(at.x() - 5, at.y() - 4, 10, 8), {});
  });
}

QIcon tile_icon(Tiling tiling) {
  // Two windows, stacked or side by side, each with a blue title bar.
  const bool stacked = tiling == Tiling::Horizontal;
  const QRectF windows[] = {stacked ? QRectF(4, 4, 24, 11) : QRectF(4, 4, 11, 24),
                            stacked ? QRectF(4, 17, 24, 11) : QRectF(17, 4, 11, 24)};
  return painted([windows](QPainter& p) {
    for (const QRectF& w : windows) {
      p.setPen(QPen(kInk, 1.2));
      p.setBrush(kPaper);
      p.drawRect(w);
      p.setPen(Qt::NoPen);
      p.setBrush(kRouterBlue);
      p.drawRect(QRectF(w.x(), w.y(), w.width(), 3));
    }
  });
}

}  // namespace zorva::ui
