#include "app/Unit2.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/QtColours.h"
#include "controller/Tsterownik.h"
#include "settings/Tnastawy.h"

namespace {

constexpr int kCorrectionsGroup = 216;
constexpr int kRowHeight = 25;

}  // namespace

TForm2::TForm2(TSterownik& link, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setMinimumSize(300, 200);
  editor_ = new TNastawy(link, this);
  hint_ = new QLabel(this);
  hint_->setWordWrap(true);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(editor_, &TNastawy::HintChanged, hint_, &QLabel::setText);
  connect(editor_, &TNastawy::Changed, this, [this](const SettingChange& change) {
    // The emulation group changes with setting 15.
    if (editor_->view().mode == EditorView::kHelpPanels + 15) editor_->Relayout();
    emit Changed(change);
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(hint_, 1);
  buttons->addWidget(ok);
  auto* column = new QVBoxLayout(this);
  column->addWidget(editor_, 1);
  column->addLayout(buttons);
}

void TForm2::ShowGroup(int group, const QString& caption, const ColourRoles& roles, int scheme,
                       int viewLevel, bool administrator) {
  setWindowTitle(caption);
  QPalette p = palette();
  p.setColor(QPalette::Window, ToQColor(roles.window));
  setPalette(p);
  editor_->SetColours(roles, scheme);
  editor_->SetViewLevel(viewLevel);
  editor_->SetAdministrator(administrator);
  editor_->SetMode(EditorView::kHelpPanels + group);
  FitToRows(group);
  show();
  raise();
}

void TForm2::FitToRows(int group) {
  const int width = group == kCorrectionsGroup ? 340 : 600;
  const int buttonBar = hint_->sizeHint().height() + 24;
  resize(width, buttonBar + kRowHeight * editor_->layout().Rows() + 10);
}
