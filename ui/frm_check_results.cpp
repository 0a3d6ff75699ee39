// frmCheckResults: the checklist dialog.
#include "ui/frm_check_results.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zorva::ui {

namespace {

// Measures a row's text in the width of its column, so that a long text wrapped onto several lines
// gets a row tall enough for all of them (a tree view measures items as if unbounded).
class WrappingDelegate : public QStyledItemDelegate {
 public:
  explicit WrappingDelegate(QTreeWidget* view) : QStyledItemDelegate(view), view_(view) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem o(option);
    o.rect.setSize(QSize(view_->columnWidth(index.column()), std::max(o.rect.height(), 1)));
    return QStyledItemDelegate::sizeHint(o, index);
  }

 private:
  QTreeWidget* view_;
};

}  // namespace

frmCheckResults::frmCheckResults(const QString& check_file, const CheckReport& report,
                                 QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmCheckResults"));
  setWindowTitle(tr("Check My Work - %1").arg(QFileInfo(check_file).fileName()));
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("lblSummary"));
  if (!report.error.empty()) {
    summary_->setText(
        tr("The lab could not be checked: %1").arg(QString::fromStdString(report.error)));
  } else if (report.failed() == 0) {
    summary_->setText(report.passed() == 1 ? tr("The check passed.")
                                           : tr("All %1 checks passed.").arg(report.passed()));
  } else {
    summary_->setText(tr("%1 passed, %2 failed").arg(report.passed()).arg(report.failed()));
  }

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("lstChecks"));
  list_->setColumnCount(3);
  list_->setHeaderLabels({QString(), tr("Check"), tr("Found instead")});
  list_->setRootIsDecorated(false);
  list_->setAlternatingRowColors(true);
  for (const CheckResult& r : report.results) {
    auto* row = new QTreeWidgetItem(list_);
    row->setText(0, r.passed ? QStringLiteral("\u2714") : QStringLiteral("\u2718"));
    row->setForeground(0, r.passed ? QColor(0x1a, 0x7f, 0x37) : QColor(0xb0, 0x1c, 0x1c));
    row->setToolTip(0, r.passed ? tr("passed") : tr("failed"));
    row->setText(1, QString::fromStdString(r.check ? r.check->text : std::string()));
    if (r.check) row->setToolTip(1, tr("Line %1 of the check file").arg(r.check->line_number));
    row->setText(2, QString::fromStdString(r.found));
  }
  // The check and what was found share the width; long texts wrap onto more lines of their row.
  list_->setWordWrap(true);
  list_->setItemDelegate(new WrappingDelegate(list_));
  list_->setTextElideMode(Qt::ElideNone);
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  list_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
  // The rows' heights follow the columns' widths: a wider column needs fewer lines.
  connect(list_->header(), &QHeaderView::sectionResized, list_, [this] { list_->doItemsLayout(); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  resize(760, 460);
}

}  // namespace zorva::ui
