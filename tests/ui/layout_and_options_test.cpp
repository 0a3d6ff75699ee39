// Pure rules of the desktop face: the lab's column beside the consoles, the command line, and the
// message without a display. Tiling, icons and saved transcripts are the main window's tests.
#include <QtTest>

#include "ui/start_options.h"
#include "ui/window_arrangement.h"
#include "ui_test_support.h"

using namespace zorva::ui;

class LayoutAndOptionsTest : public QObject {
  Q_OBJECT

 private slots:
  // The lab's column gets what the consoles leave, within a floor and half the frame.
  void the_lab_column_is_what_the_consoles_leave_within_bounds() {
    const struct {
      int area, consoles, width;
    } table[] = {
        {1276, 660, 616},                   // room for both
        {1020, 660, 360}, {900, 660, 320},  // the floor: the consoles give way
        {600, 660, 300},                    // never more than half
        {1276, 100, 638},                   // nor more than half when the consoles need little
    };
    for (const auto& t : table) {
      const QRect c = side_column(QRect(0, 10, t.area, 500), t.consoles);
      QCOMPARE(c, QRect(t.area - t.width, 10, t.width, 500));
    }
  }

  void parses_the_command_line() {
    auto o = parse_start_options({}, "/bin", nullptr);
    QVERIFY(o && o->app_dir == "/bin" && o->topology.isEmpty() && o->show_splash && o->show_tips);
    o = parse_start_options(
        {"--topology", "/t/square.ini", "--app-dir", "/app", "--no-splash", "--no-tips"}, "/bin",
        nullptr);
    QVERIFY(o && o->topology == "/t/square.ini" && o->app_dir == "/app");
    QVERIFY(!o->show_splash && !o->show_tips);
    o = parse_start_options({"--screenshot", "/tmp/s.png"}, "/bin", nullptr);
    QVERIFY(o && o->screenshot == "/tmp/s.png" && !o->show_splash && !o->show_tips);
    QString error;
    QVERIFY(!parse_start_options({"--bogus"}, "/bin", &error));
    QVERIFY(error.contains(QStringLiteral("--bogus")));
    QVERIFY(!parse_start_options({"--topology"}, "/bin", &error));
    // A double-clicked lab file comes as the one argument that is not an option.
    o = parse_start_options({"--no-tips", "/home/ann/lab 1.zlab"}, "/bin", nullptr);
    QVERIFY(o && o->lab == "/home/ann/lab 1.zlab" && o->topology.isEmpty());
    QVERIFY(!parse_start_options({"a.zlab", "b.zlab"}, "/bin", &error));
  }

  void without_a_display_the_program_says_so_in_one_line() {
    const struct {
      const char* platform;
      const char* display;
      const char* wayland;
      bool refused;
    } cases[] = {
        {nullptr, nullptr, nullptr, true},      {"", "", "", true},
        {nullptr, ":0", nullptr, false},        {nullptr, nullptr, "wayland-0", false},
        {"offscreen", nullptr, nullptr, false},
    };
    for (const auto& c : cases) {
      const auto message = no_display_message(c.platform, c.display, c.wayland);
      QCOMPARE(message.has_value(), c.refused);
      if (message) {
        QCOMPARE(message->count(QLatin1Char('\n')), 1);
        QVERIFY(message->endsWith(QLatin1Char('\n')));
        QVERIFY(message->contains(QStringLiteral("zorva-term")));
      }
    }
    QVERIFY(start_options_version().startsWith(QStringLiteral("Kolvo Router Simulator ")));
    QVERIFY(start_options_usage().contains(QStringLiteral("--version")));
  }
};

ZORVA_UI_TEST(LayoutAndOptionsTest)
#include "layout_and_options_test.moc"
