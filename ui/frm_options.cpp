// frmOptions: the options dialog and its tab keys.
#include "ui/frm_options.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "simulation/simulation.h"
#include "ui/app_settings.h"
#include "ui/app_title.h"
#include "ui/console_text.h"
#include "ui/frm_document.h"

namespace zorva::ui {

namespace {

QLabel* value_label(const QString& text) {
  auto* l = new QLabel(text);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  l->setWordWrap(true);
  return l;
}

QWidget* general_page(Simulation& sim) {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  form->addRow(QObject::tr("Program folder:"), value_label(latin1_text(sim.app_path)));
  form->addRow(QObject::tr("Topology in use:"), value_label(latin1_text(sim.topology_file)));
  form->addRow(QObject::tr("Routers:"), value_label(QString::number(sim.number_of_routers)));
  form->addRow(QObject::tr("Version:"), value_label(latin1_text(sim.version_text)));
  form->addRow(value_label(QObject::tr("A different topology takes effect at the next start.")));
  return page;
}

// The consoles' font size: kept in the settings and given to every open console as soon as it is
// chosen, as the behaviour of new labs is.
QSpinBox* font_size_choice() {
  auto* box = new QSpinBox;
  box->setObjectName(QStringLiteral("spnConsoleFont"));
  box->setRange(kSmallestConsoleFont, kLargestConsoleFont);
  box->setSuffix(QStringLiteral(" pt"));
  box->setValue(console_font().pointSize());
  QObject::connect(box, &QSpinBox::valueChanged, box, [](int points) {
    write_console_font_size(points);
    for (QWidget* top : QApplication::topLevelWidgets())
      for (frmDocument* console : top->findChildren<frmDocument*>()) console->use_console_font();
  });
  return box;
}

QWidget* consoles_page() {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  form->addRow(QObject::tr("Console font:"), value_label(console_font().family()));
  form->addRow(QObject::tr("Font size:"), font_size_choice());
  form->addRow(QObject::tr("Switch router:"), value_label(QObject::tr("F1 to F12")));
  form->addRow(QObject::tr("Line editing:"),
               value_label(QObject::tr("Ctrl+A start, Ctrl+E end, Ctrl+B/Ctrl+F or arrows to "
                                       "move, Ctrl+P/Ctrl+N or arrows for history")));
  form->addRow(QObject::tr("Copy / Paste:"),
               value_label(QObject::tr("Ctrl+Shift+C / Ctrl+Shift+V")));
  return page;
}

// The behaviour of labs started from a topology: kept in the settings as soon as it is chosen (the
// dialog's OK and Apply keep their own old messages); the running lab keeps its own.
QComboBox* behaviour_choice() {
  auto* box = new QComboBox;
  box->setObjectName(QStringLiteral("cmbBehaviour"));
  for (Behaviour b : {Behaviour::Classic, Behaviour::RealRouter}) {
    const std::string_view name = behaviour_name(b);
    box->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                 static_cast<int>(b));
  }
  box->setCurrentIndex(box->findData(static_cast<int>(default_behaviour_setting())));
  QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] {
    write_default_behaviour(static_cast<Behaviour>(box->currentData().toInt()));
  });
  return box;
}

QWidget* labs_page(Simulation& sim) {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  const std::string_view running = behaviour_name(sim.behaviour);
  form->addRow(QObject::tr("Behaviour of new labs:"), behaviour_choice());
  form->addRow(
      QObject::tr("This lab's behaviour:"),
      value_label(QString::fromLatin1(running.data(), static_cast<qsizetype>(running.size()))));
  form->addRow(QObject::tr("Lab index:"),
               value_label(latin1_text(sim.app_path) + QStringLiteral("labs/ccna_home.htm")));
  form->addRow(QObject::tr("Topology page:"),
               value_label(latin1_text(sim.app_path) + QStringLiteral("labs/topology.htm")));
  return page;
}

}  // namespace

frmOptions::frmOptions(Simulation& sim, QWidget* parent) : QDialog(parent), sim_(sim) {
  setObjectName(QStringLiteral("frmOptions"));
  setWindowTitle(tr("Options"));
  tbsOptions_ = new QTabWidget(this);
  tbsOptions_->setObjectName(QStringLiteral("tbsOptions"));
  tbsOptions_->addTab(general_page(sim_), tr("General"));
  tbsOptions_->addTab(consoles_page(), tr("Consoles"));
  tbsOptions_->addTab(labs_page(sim_), tr("Labs"));
  for (int i = 0; i < tbsOptions_->count(); ++i) {
    tbsOptions_->widget(i)->setObjectName(QStringLiteral("picOptions%1").arg(i));
  }
  connect(tbsOptions_, &QTabWidget::currentChanged, this, &frmOptions::show_page);
  show_page(0);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
  connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, &frmOptions::ok);
  connect(buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this, &QDialog::reject);
  connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
          &frmOptions::apply);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tbsOptions_, 1);
  layout->addWidget(buttons);
  resize(460, 300);

  // Ctrl+Tab reaches the dialog from any control, even those outside the tab strip.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void frmOptions::step_tab(int direction) {
  const int n = tbsOptions_->count();
  if (n == 0) return;
  tbsOptions_->setCurrentIndex(((tbsOptions_->currentIndex() + direction) % n + n) % n);
}

void frmOptions::show_page(int index) {
  for (int i = 0; i < tbsOptions_->count(); ++i) tbsOptions_->widget(i)->setEnabled(i == index);
}

void frmOptions::keyPressEvent(QKeyEvent* e) {
  const bool tab = e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
  if (tab && (e->modifiers() & Qt::ControlModifier)) {
    const bool back = e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
    step_tab(back ? -1 : 1);
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

bool frmOptions::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    const bool tab = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
    if (tab && (k->modifiers() & Qt::ControlModifier)) {
      keyPressEvent(k);
      return true;
    }
  }
  return QDialog::eventFilter(watched, e);
}

void frmOptions::apply() {
  sim_.host.message_box(kAppTitle, "Apply Code goes here to set options w/o closing dialog!",
                        Buttons::Ok);
}

void frmOptions::ok() {
  sim_.host.message_box(kAppTitle, "Code goes here to set options and close dialog!", Buttons::Ok);
  accept();
}

}  // namespace zorva::ui
