// frmTip: the tip of the day.
#include "ui/frm_tip.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/host.h"
#include "ui/app_settings.h"
#include "ui/console_text.h"

namespace zorva::ui {

frmTip::frmTip(Host& host, const std::string& app_path, QWidget* parent)
    : QDialog(parent), host_(host) {
  setObjectName(QStringLiteral("frmTip"));
  setWindowTitle(tr("Tip of the Day"));
  setAttribute(Qt::WA_DeleteOnClose, false);

  auto* heading = new QLabel(tr("<b>Did you know...</b>"), this);
  lblTipText_ = new QLabel(this);
  lblTipText_->setObjectName(QStringLiteral("lblTipText"));
  lblTipText_->setWordWrap(true);
  lblTipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblTipText_->setMinimumSize(380, 110);
  lblTipText_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* card = new QFrame(this);
  card->setFrameShape(QFrame::StyledPanel);
  card->setBackgroundRole(QPalette::Base);
  card->setAutoFillBackground(true);
  auto* card_layout = new QVBoxLayout(card);
  card_layout->addWidget(heading);
  card_layout->addWidget(lblTipText_, 1);

  chkLoadTipsAtStartup_ = new QCheckBox(tr("&Show Tips at Startup"), this);
  chkLoadTipsAtStartup_->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
  chkLoadTipsAtStartup_->setChecked(read_show_tips() != 0);
  connect(chkLoadTipsAtStartup_, &QCheckBox::clicked, this,
          [](bool on) { write_show_tips(on ? 1 : 0); });

  auto* next = new QPushButton(tr("&Next Tip"), this);
  next->setObjectName(QStringLiteral("cmdNextTip"));
  connect(next, &QPushButton::clicked, this, &frmTip::next_tip);
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(chkLoadTipsAtStartup_);
  buttons->addStretch(1);
  buttons->addWidget(next);
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(card, 1);
  layout->addLayout(buttons);

  if (!LoadTips(app_path + kTipsFile)) lblTipText_->setText(display_text(missing_tips_text()));
}

bool frmTip::wanted_at_startup() {
  return read_show_tips() != 0;
}

bool frmTip::LoadTips(const std::string& path) {
  if (!tips_.load(path)) return false;
  next_tip();
  return true;
}

void frmTip::next_tip() {
  tips_.choose_next(host_.random());
  DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
  if (tips_.count() > 0) lblTipText_->setText(latin1_text(tips_.tip(tips_.current())));
}

}  // namespace zorva::ui
