#include "app/RightPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/InjectionGrid.h"
#include "app/ParameterGrid.h"
#include "app/Pictures.h"
#include "app/WindowRules.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

QToolButton* SmallButton(const QString& caption, const QString& hint, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setText(caption);
  b->setToolTip(hint);
  b->setAutoRaise(true);
  b->setFixedSize(20, 18);
  return b;
}

QLabel* Banner(QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setAlignment(Qt::AlignCenter);
  l->setAutoFillBackground(true);
  l->setFixedHeight(18);
  return l;
}

// The OBD picture in a bitmap `width` wide and 48 high: scaled down and bottom-aligned when the
// room is narrower than the picture, centred otherwise.
QPixmap FittedObdPicture(const QImage& picture, int width, const QColor& background) {
  QPixmap room(std::max(width, 1), 48);
  room.fill(background);
  QPainter p(&room);
  if (width < 136) {
    const int height = 48 * (width - 4) / 135;
    p.drawImage(QRect(0, 48 - height, width - 4, height), picture);
  } else {
    p.drawImage((width - picture.width()) / 2, 0, picture);
  }
  return room;
}

}  // namespace

RightPanel::RightPanel(TSterownik& link, QWidget* parent) : QWidget(parent), link_(link) {
  setAutoFillBackground(true);
  pictureRow_ = new QWidget(this);
  pictureRow_->setFixedHeight(92);
  controllerImage_ = new QLabel(pictureRow_);
  controllerImage_->setFixedSize(91, 91);
  controllerImage_->setToolTip(QStringLiteral("[SPACE]"));
  obdImage_ = new QLabel(pictureRow_);
  obdImage_->setAlignment(Qt::AlignCenter);
  obdText_ = new QLabel(pictureRow_);
  obdText_->setWordWrap(true);
  auto* pictureText = new QVBoxLayout;
  pictureText->addWidget(obdImage_);
  pictureText->addWidget(obdText_);
  auto* pictures = new QHBoxLayout(pictureRow_);
  pictures->setContentsMargins(0, 0, 0, 0);
  pictures->addWidget(controllerImage_);
  pictures->addLayout(pictureText, 1);

  readingsBanner_ = Banner(this);
  injectionBanner_ = Banner(this);
  optionsBanner_ = Banner(this);
  listButton_ = SmallButton(QStringLiteral("V"), QString(), this);
  sizeButton_ = SmallButton(QStringLiteral("-"), QString(), this);
  parameterVariantButton_ = SmallButton(QStringLiteral("1"), QString(), this);
  injectionVariantButton_ = SmallButton(QStringLiteral("1"), QString(), this);
  collapseButton_ = SmallButton(QStringLiteral(">"), QString(), this);
  parameters_ = new ParameterGrid(link_, this);
  injections_ = new InjectionGrid(link_, this);

  auto* readingsRow = new QHBoxLayout;
  readingsRow->setSpacing(0);
  readingsRow->addWidget(collapseButton_);
  readingsRow->addWidget(readingsBanner_, 1);
  readingsRow->addWidget(parameterVariantButton_);
  readingsRow->addWidget(listButton_);
  auto* injectionRow = new QHBoxLayout;
  injectionRow->setSpacing(0);
  injectionRow->addWidget(injectionBanner_, 1);
  injectionRow->addWidget(injectionVariantButton_);
  injectionRow->addWidget(sizeButton_);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(1);
  column->addWidget(pictureRow_);
  column->addLayout(readingsRow);
  column->addWidget(parameters_);
  column->addLayout(injectionRow);
  column->addWidget(injections_);
  column->addWidget(optionsBanner_);
  column->addStretch(1);

  connect(listButton_, &QToolButton::clicked, this, &RightPanel::ParameterListRequested);
  connect(collapseButton_, &QToolButton::clicked, this, &RightPanel::CollapseRequested);
  connect(parameters_, &ParameterGrid::RowDoubleClicked, this,
          &RightPanel::ParameterRowDoubleClicked);
  connect(sizeButton_, &QToolButton::clicked, this, [this] {
    injections_->SetCollapsed(!injections_->Collapsed());
    sizeButton_->setText(injections_->Collapsed() ? QStringLiteral("+") : QStringLiteral("-"));
    LayOut();
  });
  connect(parameterVariantButton_, &QToolButton::clicked, this,
          [this] { SetVariants((parameterVariant_ + 1) % 4, injectionVariant_); });
  connect(injectionVariantButton_, &QToolButton::clicked, this,
          [this] { SetVariants(parameterVariant_, (injectionVariant_ + 1) % 2); });
  connect(injections_, &InjectionGrid::RowsChanged, this, &RightPanel::LayOut);
  connect(parameters_, &ParameterGrid::RowsChanged, this, &RightPanel::LayOut);
  ForgetLeds();
  DrawObdPicture();
}

void RightPanel::ApplyTexts() {
  readingsBanner_->setText(Q(LangText(1230)));
  injectionBanner_->setText(Q(LangText(1231)));
  collapseButton_->setToolTip(Q(LangText(1084) + " [R]"));
  listButton_->setToolTip(Q(LangText(1085) + " [V]"));
  sizeButton_->setToolTip(Q(LangText(1085)));
  parameterVariantButton_->setToolTip(Q(LangText(1150)));
  injectionVariantButton_->setToolTip(Q(LangText(1150)));
  parameters_->update();
}

void RightPanel::ApplyColours(const PanelColours& colours, int scheme) {
  colours_ = colours;
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, colours.window);
  palette.setColor(QPalette::WindowText, colours.text);
  setPalette(palette);
  for (QLabel* banner : {readingsBanner_, injectionBanner_}) {
    QPalette p = banner->palette();
    p.setColor(QPalette::Window, colours.window);
    p.setColor(QPalette::WindowText, colours.secondaryText);
    banner->setPalette(p);
  }
  QPalette options = optionsBanner_->palette();
  options.setColor(QPalette::Window, colours.window);
  options.setColor(QPalette::WindowText, colours.optionText);
  optionsBanner_->setPalette(options);
  parameters_->SetColours(colours);
  injections_->SetColours(colours, scheme);
  ForgetLeds();
}

void RightPanel::Rebuild() {
  parameters_->Rebuild();
  injections_->Reset();
  LayOut();
}

void RightPanel::SetVariants(int parameters, int injections) {
  parameterVariant_ = parameters;
  injectionVariant_ = injections;
  parameterVariantButton_->setText(QString::number(parameters + 1));
  injectionVariantButton_->setText(QString::number(injections + 1));
  parameters_->SetVariant(parameters);
  injections_->SetVariant(injections);
}

void RightPanel::ShowOption(const QString& text, const QColor& colour) {
  optionsBanner_->setText(text);
  QPalette p = optionsBanner_->palette();
  p.setColor(QPalette::WindowText, colour.isValid() ? colour : colours_.optionText);
  optionsBanner_->setPalette(p);
}

void RightPanel::resizeEvent(QResizeEvent*) {
  LayOut();
}

void RightPanel::LayOut() {
  QFont banner = readingsBanner_->font();
  banner.setPointSize(width() > 219 ? 8 : 7);
  for (QLabel* l : {readingsBanner_, injectionBanner_, optionsBanner_})
    l->setFont(banner);
  const bool injections = !injections_->isHidden();
  const int rows = parameters_->RowCount() + (injections ? injections_->RowCount() : 0);
  const int rowHeight = PanelRowHeight(height(), pictureRow_->height(), rows);
  parameters_->SetRowHeight(rowHeight);
  injections_->SetRowHeight(rowHeight);
  injections_->SetFonts(parameters_->NameFont(), parameters_->ValueFont());
  const int room = height() - OtherItemsHeight();
  const GridHeights h =
      FitGrids(room, parameters_->FullHeight(), injections ? injections_->FullHeight() : 0,
               2 * (rowHeight + 1) + 3);
  parameters_->setFixedHeight(h.parameters);
  injections_->setFixedHeight(h.injections);
  DrawObdPicture();
  layout()->activate();  // the grids' new heights take effect before the next frame is drawn
}

// What the pictures and the banners take of the panel's height, with the gaps between them.
int RightPanel::OtherItemsHeight() const {
  int height = 0;
  int items = 0;
  for (int i = 0; i < layout()->count(); ++i) {
    QLayoutItem* item = layout()->itemAt(i);
    const QWidget* w = item->widget();
    if (w == parameters_ || w == injections_ || item->isEmpty()) continue;
    height += item->sizeHint().height();
    ++items;
  }
  return height + layout()->spacing() * (items + 1);
}

void RightPanel::ForgetLeds() {
  ledsDrawn_ = false;
  controllerImage_->setPixmap(QPixmap::fromImage(ControllerPicture({})));
}

void RightPanel::DrawLeds(const std::array<uint32_t, 7>& leds) {
  if (ledsDrawn_ && leds == leds_) return;
  leds_ = leds;
  ledsDrawn_ = true;
  controllerImage_->setPixmap(QPixmap::fromImage(ControllerPicture(leds)));
}

void RightPanel::UpdateFromStatus(const DecodedStatus& status) {
  parameters_->UpdateValues();
  injections_->UpdateTimes(status);
  if (status.hasLeds) DrawLeds(status.leds);
  UpdateObd(status);
}

void RightPanel::UpdateObd(const DecodedStatus& status) {
  const int word = status.obd.hasWord ? status.obd.word : 0;
  bool changed = word != obdStatusWord_;
  obdStatusWord_ = word;
  if (status.obd.reportsEcus && status.obd.ecuCount != ecuCount_) {
    ecuCount_ = status.obd.ecuCount;
    ecuAddresses_ = status.obd.ecuAddresses;
    changed = true;
  }
  if (changed) DrawObdPicture();
}

void RightPanel::SetElmState(int stanObd, bool shownOnElmPage) {
  if (stanObd == stanObd_ && shownOnElmPage == elmPageShown_) return;
  stanObd_ = stanObd;
  elmPageShown_ = shownOnElmPage;
  DrawObdPicture();
}

void RightPanel::DrawObdPicture() {
  const bool shown = pictureRow_->width() > 100 && link_.Traits().obdShown;
  const ObdState state = ObdStateOf(obdStatusWord_, stanObd_, ecuAddresses_.data(), ecuCount_);
  obdText_->setText(shown && !elmPageShown_ ? Q(state.text) : QString());
  obdImage_->setPixmap(shown ? FittedObdPicture(ObdPictureImage(state.picture),
                                                pictureRow_->width() - 90, colours_.window)
                             : QPixmap());
}

void RightPanel::SetInjectionsVisible(bool visible) {
  for (QWidget* w :
       {static_cast<QWidget*>(injectionBanner_), static_cast<QWidget*>(injectionVariantButton_),
        static_cast<QWidget*>(sizeButton_), static_cast<QWidget*>(injections_),
        static_cast<QWidget*>(optionsBanner_)})
    w->setVisible(visible);
  LayOut();
}
