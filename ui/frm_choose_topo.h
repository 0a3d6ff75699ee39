// `frmChooseTopo`, the topology chooser shown before the routers are created: use the current
// topology, make one in the topology editor (start-up goes on with it once it is saved and the
// student agrees to open it), or open a topology file. It cannot be closed except through its
// pick button.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QRadioButton;
class QPushButton;

namespace zorva {
class Host;
}

namespace zorva::ui {

// Asks for a topology file to open; "" when the user cancelled.
using TopologyPicker = std::function<QString(QWidget* parent, const QString& folder)>;
QString pick_topology_file(QWidget* parent, const QString& folder);

// Runs the topology editor over `parent`, its file dialogs starting in `folder`: the file the user
// saved and chose to start on, or "" when the editor was closed without.
using TopologyMaker = std::function<QString(QWidget* parent, const QString& folder)>;

// The file dialog's filters: .top files, and the INI files that ship.
QString topology_file_filters();

class frmChooseTopo : public QDialog {
  Q_OBJECT

 public:
  frmChooseTopo(Host& host, std::string app_path, std::string topology_file,
                QWidget* parent = nullptr, TopologyPicker picker = pick_topology_file,
                TopologyMaker maker = {});

  const std::string& topology_file() const { return topology_file_; }

  QRadioButton* use_current() const { return optUseCurrent_; }
  QRadioButton* make_new() const { return optMakeNew_; }
  QRadioButton* open_file() const { return optOpenFile_; }
  QPushButton* pick_button() const { return btnPickTop_; }

 public slots:
  void btnPickTop_Click();
  // The topology editor over the chooser, in the program's topologies folder.
  QString make_topology(const QString& folder);
  void reject() override;  // Esc and the window's close do nothing

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  Host& host_;                             // the editor's message boxes
  std::string app_path_;                   // program directory, with a trailing separator
  std::string topology_file_;              // the topology start-up will load
  TopologyPicker picker_;                  // the "Open" file dialog
  TopologyMaker maker_;                    // the topology editor
  QRadioButton* optUseCurrent_ = nullptr;  // choice 1: keep `topology_file_`
  QRadioButton* optMakeNew_ = nullptr;     // choice 2: make one in the editor
  QRadioButton* optOpenFile_ = nullptr;    // choice 3: pick a file
  QPushButton* btnPickTop_ = nullptr;      // carries out the checked choice
  bool picked_ = false;                    // a choice was made: the dialog may close
};

}  // namespace zorva::ui
