// frmMain: the status bar: which console the keys go to, the simulated clock with the lab's
// behaviour, and the clock's speed and skip controls.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

#include "simulation/simulation.h"
#include "ui/core_session.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"

namespace zorva::ui {

namespace {

QString clock_text(int seconds) {
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
      .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

void frmMain::build_status_bar() {
  status_router_ = new QLabel(this);
  status_router_->setObjectName(QStringLiteral("statusRouter"));
  status_clock_ = new QLabel(this);
  statusBar()->addWidget(status_router_, 1);
  statusBar()->addPermanentWidget(status_clock_);
  connect(command("mnuViewStatusBar"), &QAction::toggled, statusBar(), &QStatusBar::setVisible);
  connect(&status_timer_, &QTimer::timeout, this, &frmMain::update_status);
  build_clock_controls();
}

// Whether this window's keyboard focus is in a router's console.
bool frmMain::typing_into_console() const {
  for (QWidget* w = focusWidget(); w; w = w->parentWidget())
    if (qobject_cast<frmDocument*>(w)) return true;
  return false;
}

void frmMain::update_status() {
  const Simulation& s = session_->sim();
  if (s.number_of_routers > 0 && typing_into_console()) {
    status_router_->setText(
        tr("Typing into Router %1 of %2 - F1 to F12 or the Routers menu switch routers")
            .arg(s.active_router)
            .arg(s.number_of_routers));
  } else if (s.number_of_routers > 0) {
    status_router_->setText(
        tr("Not typing into a router - click a console, press F1 to F12 or use the Routers menu"));
  } else {
    status_router_->setText(tr("No routers: the topology file has none"));
  }
  const std::string_view behaviour = behaviour_name(s.behaviour);
  status_clock_->setText(
      tr("Up %1 · %2")
          .arg(clock_text(s.sim_clock))
          .arg(QString::fromLatin1(behaviour.data(), static_cast<qsizetype>(behaviour.size()))));
}

void frmMain::build_clock_controls() {
  auto* speed = new QComboBox(this);
  speed->setObjectName(QStringLiteral("clockSpeed"));
  speed->setToolTip(tr("How fast the simulated clock runs"));
  for (const int f : ClockSpeed::kFactors) speed->addItem(tr("%1x").arg(f), f);
  connect(speed, &QComboBox::currentIndexChanged, this,
          [this, speed] { session_->speed().set_factor(speed->currentData().toInt()); });
  auto* skip = new QToolButton(this);
  skip->setObjectName(QStringLiteral("clockSkip"));
  skip->setText(tr("Skip"));
  skip->setToolTip(tr("Run the simulated clock ahead at once"));
  skip->setPopupMode(QToolButton::InstantPopup);
  auto* skips = new QMenu(skip);
  for (const int minutes : {1, 5}) {
    QAction* a = skips->addAction(tr("+%1 min").arg(minutes));
    a->setObjectName(QStringLiteral("clockSkip%1").arg(minutes));
    connect(a, &QAction::triggered, this, [this, minutes] {
      session_->skip_minutes(minutes);
      update_status();
    });
  }
  skip->setMenu(skips);
  statusBar()->addPermanentWidget(speed);
  statusBar()->addPermanentWidget(skip);
}

}  // namespace zorva::ui
