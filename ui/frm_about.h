// `frmAbout`, the about box: product title, "Version major.minor.revision", a short description,
// and a System Info button that starts the desktop's system-information tool when one is installed.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;

namespace zorva {
class Host;
}

namespace zorva::ui {

// The system-information tool to start, or "" when the desktop has none.
using SystemInfoLocator = std::function<QString()>;
QString find_system_info_tool();

inline constexpr const char* kSystemInfoUnavailable =
    "System Information Is Unavailable At This Time";

class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(Host& host, QWidget* parent = nullptr,
                    SystemInfoLocator locate = find_system_info_tool);

  QLabel* title_label() const { return lblTitle_; }
  QLabel* version_label() const { return lblVersion_; }

 public slots:
  void StartSysInfo();

 private:
  Host& host_;                    // boxes, random numbers and launching
  SystemInfoLocator locate_;      // where the system-information tool is looked for
  QLabel* lblTitle_ = nullptr;    // product title
  QLabel* lblVersion_ = nullptr;  // "Version 1.0.1"
};

// "Version " followed by major, ".", minor, ".", revision.
QString version_label_text(int major, int minor, int revision);

}  // namespace zorva::ui
