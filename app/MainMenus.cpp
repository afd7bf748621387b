// The main window's menus: file, connection, language, view, colour, documentation, help and
// the hidden administrator menu.

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <filesystem>

#include "app/ChannelList.h"
#include "app/CommandButtons.h"
#include "app/RightPanel.h"
#include "app/Unit7.h"
#include "app/Unitadmin.h"
#include "app/Unitmain.h"
#include "app/Unitparam.h"
#include "charts/Tgrafika.h"
#include "controller/CatalogueExport.h"
#include "controller/Tsterownik.h"
#include "files/DataFolders.h"
#include "lang/Langtext.h"
#include "lang/LanguageExport.h"
#include "lang/UiServices.h"
#include "obd/Telmobd.h"
#include "settings/Tnastawy.h"

namespace {

constexpr const char* kServiceAddress = "serwis@malver-gas.eu";
constexpr const char* kSupportProgram = "malver-support";

// A menu of radio items whose data is their index.
template <size_t N>
void AddRadioItems(QMenu* menu, std::array<QAction*, N>& actions, QObject* owner,
                   const std::function<void(int)>& chosen) {
  auto* group = new QActionGroup(owner);
  for (size_t i = 0; i < N; ++i) {
    actions[i] = menu->addAction(QString());
    actions[i]->setCheckable(true);
    group->addAction(actions[i]);
    QObject::connect(actions[i], &QAction::triggered, owner,
                     [chosen, i] { chosen(static_cast<int>(i)); });
  }
}

}  // namespace

void TForm1::BuildMenus() {
  fileMenu_ = menuBar()->addMenu(QString());
  connect(fileMenu_, &QMenu::aboutToShow, this, &TForm1::EnableFileMenu);
  BuildDeviceMenu();
  factorySettingsAction_ = fileMenu_->addAction(QString());
  connect(factorySettingsAction_, &QAction::triggered, this, [this] {
    if (RestoreFactorySettings(*link_, *ui_)) SettingChanged();
  });
  fileMenu_->addSeparator();
  readSettingsAction_ = fileMenu_->addAction(QString());
  connect(readSettingsAction_, &QAction::triggered, this, [this] { ReadSettingsFile({}); });
  saveSettingsAction_ = fileMenu_->addAction(QString());
  connect(saveSettingsAction_, &QAction::triggered, this,
          [this] { link_->ZapiszUstawienia(setup_.documentsFolder); });
  BuildScopeMenu();
  connectionMenu_ = menuBar()->addMenu(QString());
  connect(connectionMenu_, &QMenu::aboutToShow, this, &TForm1::RebuildConnectionMenu);
  BuildElmMenu();
  languageMenu_ = menuBar()->addMenu(QString());
  AddRadioItems(languageMenu_, languageActions_, this, [this](int i) { SetLanguage(i); });
  viewMenu_ = menuBar()->addMenu(QString());
  AddRadioItems(viewMenu_, viewActions_, this, [this](int i) { SetViewLevel(i); });
  colourMenu_ = menuBar()->addMenu(QString());
  AddRadioItems(colourMenu_, colourActions_, this, [this](int i) { SetColourScheme(i); });
  documentationMenu_ = menuBar()->addMenu(QString());
  const char* const folders[3] = {"Manual", "Diagram", "Pinout"};
  for (int i = 0; i < 3; ++i) {
    documentationActions_[static_cast<size_t>(i)] = documentationMenu_->addAction(QString());
    const char* folder = folders[i];
    connect(documentationActions_[static_cast<size_t>(i)], &QAction::triggered, this,
            [this, folder] { OpenDocumentFolder(folder); });
  }
  helpMenu_ = menuBar()->addMenu(QString());
  helpActions_[0] = helpMenu_->addAction(QString());
  connect(helpActions_[0], &QAction::triggered, this, [this] {
    ui_->OpenAddress(std::string("mailto:") + kServiceAddress + "?subject=" + LangText(1180));
  });
  helpActions_[1] = helpMenu_->addAction(QString());
  connect(helpActions_[1], &QAction::triggered, this,
          [this] { ui_->StartProgram(kSupportProgram); });
  BuildAdminMenu();
}

void TForm1::EnableFileMenu() {
  factorySettingsAction_->setEnabled(link_->PolaczonyPortComm());
  firmwareAction_->setEnabled(link_->PolaczonyPortComm());
  EnableScopeMenu();
}

// A settings file, asked for when path is empty; then the Settings tab shows it.
void TForm1::ReadSettingsFile(const std::string& path) {
  if (!link_->CzytajUstawienia(path, setup_.documentsFolder)) return;
  SelectTab(kSettingsTab);
  editor_->Relayout();
  SettingChanged();
}

void TForm1::OpenDocumentFolder(const char* folder) {
  ui_->OpenAddress((std::filesystem::path(setup_.programPath).parent_path() / folder).string());
}

void TForm1::BuildAdminMenu() {
  adminMenu_ = new QMenu(QStringLiteral("Adm"), this);
  logAction_ = adminMenu_->addAction(QStringLiteral("Transmisja"));
  logAction_->setCheckable(true);
  connect(logAction_, &QAction::toggled, this, [this](bool on) {
    if (on) {
      admin_->show();
      auto addLine = [this](const std::string& text, uint32_t colour) {
        if (admin_->isVisible()) admin_->AddLine(Q(text), ToQColor(colour));
      };
      link_->OnTekst = [addLine](const TSerial*, const std::string& text, uint32_t colour) {
        addLine(text, colour);
      };
      obd_->OnTekst = addLine;
    } else {
      admin_->hide();
      link_->OnTekst = nullptr;
      obd_->OnTekst = nullptr;
    }
  });
  QAction* live = adminMenu_->addAction(QStringLiteral("    Param. bieżące"));
  live->setCheckable(true);
  connect(live, &QAction::toggled, this, [this](bool on) { link_->SetLogParamBiez(on); });
  QAction* obd = adminMenu_->addAction(QStringLiteral("    Dane z OBD"));
  obd->setCheckable(true);
  connect(obd, &QAction::toggled, this, [this](bool on) { link_->SetLogDaneObd(on); });
  adminMenu_->addSeparator();
  for (const QSize size : {QSize(640, 480), QSize(800, 600), QSize(1200, 900), QSize(1200, 675),
                           QSize(1200, 575), QSize(1366, 768)}) {
    QAction* a =
        adminMenu_->addAction(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
    connect(a, &QAction::triggered, this, [this, size] {
      showNormal();
      resize(size);
    });
  }
  adminMenu_->addSeparator();
  connect(adminMenu_->addAction(QStringLiteral("Pliki językowe podziel")), &QAction::triggered,
          this, &TForm1::ExportLanguages);
  connect(adminMenu_->addAction(QStringLiteral("OBD z osc.")), &QAction::triggered, this,
          &TForm1::DumpObdFromScope);
  connect(adminMenu_->addAction(QStringLiteral("Lista nastaw  .txt")), &QAction::triggered, this,
          [this] { ExportCatalogue(ExportCatalogueList); });
  connect(adminMenu_->addAction(QStringLiteral("Pliki nastaw  .h")), &QAction::triggered, this,
          [this] { ExportCatalogue(ExportCatalogueHeaders); });
  connect(adminMenu_->addAction(QStringLiteral("Kasowanie historii")), &QAction::triggered, this,
          [this] { link_->HistoriaZmianKasuj(); });
  connect(adminMenu_->addAction(QStringLiteral("Kasowanie hasła")), &QAction::triggered, this,
          [this] {
            // Only for whoever typed the 8th to 11th characters of the controller's barcode.
            const std::string barcode = link_->StrKodKreskowy();
            if (barcode.size() >= 11 && keys_.Digits() == barcode.substr(7, 4)) link_->UsunHaslo();
          });
  adminMenuAction_ = menuBar()->addMenu(adminMenu_);
  adminMenuAction_->setVisible(false);
}

void FillPortMenu(QMenu& menu, bool connected, const std::vector<PortEntry>& ports,
                  const std::function<void(int)>& clicked) {
  menu.clear();
  QAction* first = menu.addAction(Q(LangText(connected ? 1119 : 1118)));
  QObject::connect(first, &QAction::triggered, &menu, [clicked] { clicked(0); });
  menu.addSeparator();
  auto* group = new QActionGroup(&menu);
  for (const PortEntry& entry : ports) {
    QAction* a = menu.addAction(Q(entry.caption));
    a->setCheckable(true);
    a->setChecked(entry.checked);
    group->addAction(a);
    const int tag = entry.tag;
    QObject::connect(a, &QAction::triggered, &menu, [clicked, tag] { clicked(tag); });
  }
}

void TForm1::RebuildConnectionMenu() {
  FillPortMenu(*connectionMenu_, link_->PolaczonyPortComm(), link_->PortList(),
               [this](int tag) { PortEntryClicked(tag == 0 && connectTag_ < 0 ? -1 : tag); });
}

void TForm1::PortEntryClicked(int tag) {
  if (tag >= 1) {
    link_->PortNumber = tag;
    OtworzPort();
  } else if (link_->PolaczonyPortComm()) {
    link_->ZamknijPortComm();
    connectTag_ = -1;
  } else {
    OtworzPort();
    connectTag_ = 0;
  }
}

void TForm1::SetLanguage(int index) {
  Texts().LanguageIndex = index;
  languageActions_[static_cast<size_t>(index)]->setChecked(true);
  ApplyTexts();
}

void TForm1::SetViewLevel(int level) {
  viewLevel_ = level;
  viewActions_[static_cast<size_t>(level)]->setChecked(true);
  // The basic levels always show the right panel with the main readings.
  if (level <= 1) {
    SetRightPanelCollapsed(false);
    link_->ShowBasicReadings();
  }
  rightPanel_->Rebuild();
  channels_->viewport()->update();
  editor_->SetViewLevel(level);
}

void TForm1::SetColourScheme(int scheme) {
  colourScheme_ = scheme;
  colourActions_[static_cast<size_t>(scheme)]->setChecked(true);
  ApplyColours();
}

void TForm1::ToggleAdministrator() {
  adminLevel_ = (adminLevel_ & 1) ? 0 : 1;
  adminMenuAction_->setVisible(false);
  link_->SetParamAdmin(false);
  RefreshForAdministratorLevel();
}

void TForm1::ToggleSecondAdministratorLevel() {
  adminLevel_ ^= 2;
  adminMenuAction_->setVisible(!adminMenuAction_->isVisible());
  link_->SetParamAdmin(!link_->ParamAdmin());
  RefreshForAdministratorLevel();
}

void TForm1::RefreshForAdministratorLevel() {
  editor_->SetAdministrator(adminLevel_ & 2);
  grafika_->UstawFlagiAdmin(adminLevel_);
  SetViewLevel(viewLevel_);
  ApplyTexts();
  if (link_->Rodzina() != Family::Unknown) SelectTab(0);
}

// Modal, but the link keeps its frames coming while the installer ticks the list.
void TForm1::ShowParameterList() {
  largePrint_->hide();
  auto* list = new TFormParam(*link_, colours_, this);
  list->setAttribute(Qt::WA_DeleteOnClose);
  connect(list, &QDialog::finished, this, [this] {
    link_->ForgetShownValues();
    rightPanel_->Rebuild();
  });
  list->open();
}

// The developers' exports go to their own folder, and only where they made it.
void TForm1::ExportCatalogue(FileResult (*write)(const std::string& folder, int firmware)) {
  const int firmware =
      link_->Rodzina() == Family::Unknown ? kNewestFirmware : link_->WersjaProgramu();
  const FileResult result = write(DeveloperFolder(setup_.documentsFolder), firmware);
  ui_->MessageBox(result.ok ? DeveloperFolder(setup_.documentsFolder) : result.error,
                  result.ok ? mb::kOk : mb::kIconStop);
}

void TForm1::ExportLanguages() {
  if (setup_.documentsFolder.empty()) return;
  const std::string folder = DataFolder(setup_.documentsFolder) + "/Lang";
  const QString title = windowTitle();
  const LanguageExportResult result =
      ExportLanguageFiles(Texts(), folder, [this, title](const std::string& caption) {
        setWindowTitle(caption.empty() ? title : Q(caption));
        QApplication::processEvents();
      });
  if (!result.ok) {
    ui_->MessageBox(LangText(2151) + " (" + result.failedFile + ")", mb::kIconStop);
    return;
  }
  ui_->OpenAddress(folder);
}
