// Pure rules of the desktop face: where tiled and iconised windows go, and the command line.
#include <QtTest>
#include <set>

#include "ui/drawing_program.h"
#include "ui/start_options.h"
#include "ui/transcript_file.h"
#include "ui/window_arrangement.h"
#include "ui_test_support.h"

using namespace zorva::ui;

class LayoutAndOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void tiles_cover_the_area_without_overlap_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("tiling");
    for (int n : {1, 2, 3, 4, 5, 7, 12, 50}) {
      QTest::newRow(qPrintable(QStringLiteral("%1 vertical").arg(n)))
          << n << static_cast<int>(Tiling::Vertical);
      QTest::newRow(qPrintable(QStringLiteral("%1 horizontal").arg(n)))
          << n << static_cast<int>(Tiling::Horizontal);
    }
  }

  void tiles_cover_the_area_without_overlap() {
    QFETCH(int, count);
    QFETCH(int, tiling);
    const QRect area(10, 20, 1001, 733);
    const std::vector<QRect> rects = tile_rects(count, area, static_cast<Tiling>(tiling));
    QCOMPARE(static_cast<int>(rects.size()), count);
    long long covered = 0;
    for (std::size_t i = 0; i < rects.size(); ++i) {
      QVERIFY(area.contains(rects[i]));
      covered += static_cast<long long>(rects[i].width()) * rects[i].height();
      for (std::size_t j = i + 1; j < rects.size(); ++j) QVERIFY(!rects[i].intersects(rects[j]));
    }
    QCOMPARE(covered, static_cast<long long>(area.width()) * area.height());
  }

  void three_windows_tile_vertically_as_columns() {
    const std::vector<QRect> r = tile_rects(3, QRect(0, 0, 900, 600), Tiling::Vertical);
    QCOMPARE(r[0], QRect(0, 0, 300, 600));
    QCOMPARE(r[1], QRect(300, 0, 300, 600));
    QCOMPARE(r[2], QRect(600, 0, 300, 600));
  }

  void three_windows_tile_horizontally_as_rows() {
    const std::vector<QRect> r = tile_rects(3, QRect(0, 0, 900, 600), Tiling::Horizontal);
    QCOMPARE(r[0], QRect(0, 0, 900, 200));
    QCOMPARE(r[2], QRect(0, 400, 900, 200));
  }

  void nothing_to_tile_gives_nothing() {
    QVERIFY(tile_rects(0, QRect(0, 0, 100, 100), Tiling::Vertical).empty());
    QVERIFY(tile_rects(3, QRect(), Tiling::Vertical).empty());
  }

  void icons_line_up_from_the_bottom_left() {
    const std::vector<QPoint> p = icon_positions(5, QRect(0, 0, 500, 400), QSize(200, 30));
    QCOMPARE(p[0], QPoint(0, 370));
    QCOMPARE(p[1], QPoint(200, 370));
    QCOMPARE(p[2], QPoint(0, 340));  // two fit in a row; the third starts the row above
    QCOMPARE(p[4], QPoint(0, 310));
  }

  void icons_wider_than_the_area_stack_up() {
    const std::vector<QPoint> p = icon_positions(2, QRect(0, 0, 100, 400), QSize(200, 30));
    QCOMPARE(p[1], QPoint(0, 340));
  }

  void parses_the_command_line() {
    QString error;
    const auto o = parse_start_options(
        {"--topology", "/t/square.ini", "--app-dir", "/app", "--no-splash", "--no-tips"}, "/bin",
        &error);
    QVERIFY(o.has_value());
    QCOMPARE(o->topology, QStringLiteral("/t/square.ini"));
    QCOMPARE(o->app_dir, QStringLiteral("/app"));
    QVERIFY(!o->show_splash);
    QVERIFY(!o->show_tips);
  }

  void defaults_ask_for_everything() {
    const auto o = parse_start_options({}, "/bin", nullptr);
    QVERIFY(o.has_value());
    QCOMPARE(o->app_dir, QStringLiteral("/bin"));
    QVERIFY(o->topology.isEmpty());
    QVERIFY(o->show_splash);
    QVERIFY(o->show_tips);
  }

  void a_screenshot_run_is_quiet() {
    const auto o = parse_start_options({"--screenshot", "/tmp/s.png"}, "/bin", nullptr);
    QVERIFY(o.has_value());
    QCOMPARE(o->screenshot, QStringLiteral("/tmp/s.png"));
    QVERIFY(!o->show_splash);
    QVERIFY(!o->show_tips);
  }

  void rejects_unknown_and_incomplete_arguments() {
    QString error;
    QVERIFY(!parse_start_options({"--bogus"}, "/bin", &error).has_value());
    QVERIFY(error.contains(QStringLiteral("--bogus")));
    QVERIFY(!parse_start_options({"--topology"}, "/bin", &error).has_value());
  }

  void a_transcript_is_saved_as_plain_lines() {
    QTemporaryDir dir;
    const QString path = dir.filePath(transcript_file_name(2));
    QVERIFY(path.endsWith(QStringLiteral("Router2.txt")));
    QVERIFY(save_transcript(path, QStringLiteral("Router>enable\nRouter#")));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Router>enable\nRouter#\n"));
    QVERIFY(!save_transcript(QString(), QStringLiteral("x")));
    QVERIFY(!save_transcript(dir.filePath(QStringLiteral("no/such/folder/t.txt")),
                             QStringLiteral("x")));
  }

  void the_drawing_program_is_found_by_either_name() {
    QTemporaryDir app;
    const std::string dir = app.path().toStdString() + "/";
    QCOMPARE(drawing_program_path(dir), std::string());
    QFile native(app.filePath(QStringLiteral("Topozor")));
    QVERIFY(native.open(QIODevice::WriteOnly));
    native.close();
    QCOMPARE(drawing_program_path(dir), dir + "Topozor");
    QFile exe(app.filePath(QStringLiteral("Topozor.exe")));
    QVERIFY(exe.open(QIODevice::WriteOnly));
    exe.close();
    QCOMPARE(drawing_program_path(dir), dir + "Topozor.exe");
  }
};

ZORVA_UI_TEST(LayoutAndOptionsTest)
#include "layout_and_options_test.moc"
