#include "ui/control/tune_window.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/control/pid_tuner.h"
#include "engine/core/numbers.h"
#include "engine/core/process_image.h"
#include "ui/core/fonts.h"
#include "ui/core/language.h"

namespace tessaro {

namespace {

constexpr int kFontPixels = 12;

QString Number(double x, int digits = 3) {
  return QString::fromStdString(FormatSignificant(x, digits));
}

}  // namespace

TuneChart::TuneChart(const TuneSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("TuneChart"));
  setMinimumSize(sizeHint());
}

void TuneChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(QColor(190, 190, 190));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const auto& samples = session_.samples;
  if (samples.size() < 2) return;
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF plot = QRectF(rect()).adjusted(40, 10, -10, -22);

  // The value axis spans the process value (and the model), with a little room.
  double low = samples.front().pv, high = low;
  for (const TuneSample& s : samples) low = std::min(low, s.pv), high = std::max(high, s.pv);
  if (session_.kind == TuneKind::Relay) {
    low = std::min(low, session_.setpoint), high = std::max(high, session_.setpoint);
  }
  const double pad = std::max((high - low) * 0.1, 0.5);
  low -= pad, high += pad;
  const double t0 = samples.front().t, t1 = std::max(samples.back().t, t0 + 10);
  auto x = [&](double t) { return plot.left() + (t - t0) / (t1 - t0) * plot.width(); };
  auto y = [&](double v) { return plot.bottom() - (v - low) / (high - low) * plot.height(); };

  painter.setFont(TahomaFont(10));
  painter.setPen(QColor(225, 225, 225));
  for (int i = 0; i <= 4; ++i) {
    const double v = low + (high - low) * i / 4;
    painter.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
    painter.setPen(Qt::darkGray);
    painter.drawText(QRectF(0, y(v) - 7, 36, 14), Qt::AlignRight | Qt::AlignVCenter, Number(v));
    painter.setPen(QColor(225, 225, 225));
  }
  painter.setPen(Qt::darkGray);
  painter.drawText(QRectF(plot.left(), plot.bottom() + 4, plot.width(), 16), Qt::AlignRight,
                   QStringLiteral("%1 s").arg(Number(t1 - t0)));

  // The output on a scale of its own (0..100 % over the plot's height), faint.
  QPainterPath out, pv;
  for (size_t i = 0; i < samples.size(); ++i) {
    const QPointF o(x(samples[i].t), plot.bottom() - samples[i].out / 100 * plot.height());
    const QPointF p(x(samples[i].t), y(samples[i].pv));
    i == 0 ? (out.moveTo(o), pv.moveTo(p)) : (out.lineTo(o), pv.lineTo(p));
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(150, 150, 150), 1));
  painter.drawPath(out);
  if (session_.kind == TuneKind::Relay) {
    painter.setPen(QPen(QColor(128, 0, 0), 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(session_.setpoint)),
                     QPointF(plot.right(), y(session_.setpoint)));
  }
  painter.setPen(QPen(QColor(255, 0, 0), 2));
  painter.drawPath(pv);

  if (session_.kind == TuneKind::Step && session_.phase == TunePhase::Done) {
    QPainterPath model;
    for (int i = 0; i <= 200; ++i) {
      const double t = t0 + (t1 - t0) * i / 200;
      const QPointF p(x(t), y(session_.model.At(t)));
      i == 0 ? model.moveTo(p) : model.lineTo(p);
    }
    painter.setPen(QPen(QColor(20, 90, 220), 2, Qt::DashLine));
    painter.drawPath(model);
    painter.drawText(QRectF(plot.left() + 6, plot.top(), 200, 16), Qt::AlignLeft,
                     TuneWindow::tr("model"));
  }
}

TuneWindow::TuneWindow(ProcessImage& image, PidTuner& tuner, int n, std::function<void()> applied,
                       QWidget* parent)
    : QWidget(parent, Qt::Window),
      image_(image),
      tuner_(tuner),
      n_(n),
      applied_(std::move(applied)) {
  setObjectName(QStringLiteral("TuneWindow%1").arg(n));
  setFont(TahomaFont(kFontPixels));
  auto* layout = new QVBoxLayout(this);

  auto* tests = new QHBoxLayout;
  auto* step = new QGroupBox(tr("Stapproef (vanuit Hand)"), this);
  auto* step_form = new QFormLayout(step);
  step_size_ = new QDoubleSpinBox(step);
  step_size_->setObjectName(QStringLiteral("StepSize"));
  step_size_->setRange(-50, 50);
  step_size_->setDecimals(1);
  step_size_->setValue(10);
  step_size_->setSuffix(QStringLiteral(" %"));
  record_time_ = new QSpinBox(step);
  record_time_->setObjectName(QStringLiteral("RecordTime"));
  record_time_->setRange(0, 3600);
  record_time_->setSuffix(tr(" s"));
  record_time_->setSpecialValueText(tr("tot stil"));
  auto* step_button = new QPushButton(tr("Start stapproef"), step);
  step_button->setObjectName(QStringLiteral("StepButton"));
  connect(step_button, &QPushButton::clicked, this, &TuneWindow::StartStep);
  //: The size of the step in the output
  step_form->addRow(tr("Stap", "step size"), step_size_);
  step_form->addRow(tr("Meten"), record_time_);
  step_form->addRow(step_button);
  tests->addWidget(step);

  auto* relay = new QGroupBox(tr("Relaisproef (vanuit Auto)"), this);
  auto* relay_form = new QFormLayout(relay);
  amplitude_ = new QDoubleSpinBox(relay);
  amplitude_->setObjectName(QStringLiteral("RelayAmplitude"));
  amplitude_->setRange(0.5, 50);
  amplitude_->setDecimals(1);
  amplitude_->setValue(10);
  amplitude_->setSuffix(QStringLiteral(" %"));
  hysteresis_ = new QDoubleSpinBox(relay);
  hysteresis_->setObjectName(QStringLiteral("RelayHysteresis"));
  hysteresis_->setRange(0, 10);
  hysteresis_->setDecimals(1);
  hysteresis_->setSingleStep(0.1);
  hysteresis_->setValue(0.5);
  hysteresis_->setSuffix(QStringLiteral(" %"));
  auto* relay_button = new QPushButton(tr("Start relaisproef"), relay);
  relay_button->setObjectName(QStringLiteral("RelayButton"));
  connect(relay_button, &QPushButton::clicked, this, &TuneWindow::StartRelay);
  relay_form->addRow(tr("Amplitude"), amplitude_);
  relay_form->addRow(tr("Hysterese"), hysteresis_);
  relay_form->addRow(relay_button);
  tests->addWidget(relay);
  layout->addLayout(tests);

  auto* status_row = new QHBoxLayout;
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("StatusLabel"));
  status_->setFont(TahomaFont(kFontPixels, true));
  auto* stop = new QPushButton(tr("Stop"), this);
  stop->setObjectName(QStringLiteral("StopButton"));
  connect(stop, &QPushButton::clicked, this, [this] {
    tuner_.Stop(image_, n_);
    refusal_.clear();
    if (applied_) applied_();  // the faceplate shows the output put back
    Refresh();
  });
  status_row->addWidget(status_, 1);
  status_row->addWidget(stop);
  layout->addLayout(status_row);

  chart_ = new TuneChart(tuner_.session(n_), this);
  layout->addWidget(chart_, 1);

  auto* tc_row = new QHBoxLayout;
  closed_loop_time_ = new QSpinBox(this);
  closed_loop_time_->setObjectName(QStringLiteral("ClosedLoopTime"));
  closed_loop_time_->setRange(0, 600);
  closed_loop_time_->setSuffix(tr(" s"));
  closed_loop_time_->setSpecialValueText(tr("= dode tijd"));
  connect(closed_loop_time_, &QSpinBox::valueChanged, this, [this](int tc) {
    tuner_.SetClosedLoopTime(n_, tc);
    shown_phase_ = -1;
    Refresh();
  });
  tc_row->addWidget(new QLabel(tr("Gesloten-lustijd tc (SIMC, IMC):"), this));
  tc_row->addWidget(closed_loop_time_);
  tc_row->addStretch();
  layout->addLayout(tc_row);

  proposals_ = new QTableWidget(0, 6, this);
  proposals_->setObjectName(QStringLiteral("Proposals"));
  proposals_->setHorizontalHeaderLabels(
      {tr("Regel"), tr("PB %"), tr("I-tijd s"), tr("D-tijd s"), tr("Actie"), tr("Doel")});
  proposals_->setSelectionBehavior(QAbstractItemView::SelectRows);
  proposals_->setSelectionMode(QAbstractItemView::SingleSelection);
  proposals_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  proposals_->verticalHeader()->hide();
  proposals_->horizontalHeader()->setStretchLastSection(true);
  proposals_->setMinimumHeight(170);
  layout->addWidget(proposals_);

  auto* apply_row = new QHBoxLayout;
  to_auto_ = new QCheckBox(tr("daarna Auto"), this);
  to_auto_->setObjectName(QStringLiteral("ToAuto"));
  to_auto_->setChecked(true);
  apply_ = new QPushButton(tr("Toepassen"), this);
  apply_->setObjectName(QStringLiteral("ApplyButton"));
  connect(apply_, &QPushButton::clicked, this, &TuneWindow::Apply);
  apply_row->addStretch();
  apply_row->addWidget(to_auto_);
  apply_row->addWidget(apply_);
  layout->addLayout(apply_row);
  resize(700, 540);
  Refresh();
}

void TuneWindow::StartStep() {
  ShowRefusal(tuner_.StartStep(image_, n_, step_size_->value(), 0, record_time_->value()));
}

void TuneWindow::StartRelay() {
  ShowRefusal(tuner_.StartRelay(image_, n_, amplitude_->value(), hysteresis_->value()));
  if (applied_) applied_();  // the faceplate now shows "Hand"
}

void TuneWindow::ShowRefusal(const Message& why) {
  refusal_ = why;
  shown_phase_ = -1;
  Refresh();
}

void TuneWindow::Apply() {
  const int row = proposals_->currentRow();
  if (row < 0) return;
  if (tuner_.Apply(image_, n_, static_cast<size_t>(row), to_auto_->isChecked()) && applied_) {
    applied_();
  }
}

void TuneWindow::Refresh() {
  const std::string title = image_.InstrumentTitle[8 + n_];
  setWindowTitle(title.empty()
                     ? tr("Afstemhulp Reg%1").arg(n_)
                     : tr("Afstemhulp Reg%1 - %2").arg(n_).arg(QString::fromStdString(title)));
  if (!isVisible() && shown_phase_ >= 0) return;
  const TuneSession& s = tuner_.session(n_);
  // A refusal stays in sight until a test starts or is stopped; the cycles that refresh the
  // window would otherwise wipe it within a second.
  status_->setText(TranslatedText(refusal_.empty() ? s.status : refusal_));
  if (s.samples.size() != shown_samples_ || static_cast<int>(s.phase) != shown_phase_) {
    chart_->update();
  }
  shown_samples_ = s.samples.size();
  if (static_cast<int>(s.phase) == shown_phase_) return;
  shown_phase_ = static_cast<int>(s.phase);
  proposals_->setRowCount(static_cast<int>(s.proposals.size()));
  for (size_t i = 0; i < s.proposals.size(); ++i) {
    const Proposal& p = s.proposals[i];
    const FaceplateSettings& b = p.boxes;
    // The box's whole number, with the rule's exact value beside it when they differ.
    auto cell = [](int box, double exact) {
      return std::abs(exact - box) < 0.05 ? QString::number(box)
                                          : QStringLiteral("%1 (%2)").arg(box).arg(Number(exact));
    };
    const QStringList texts = {QString::fromStdString(p.title),
                               cell(b.pb_box, b.pb),
                               cell(b.ti_box, b.ti),
                               cell(b.td_box, b.td),
                               b.direct ? QStringLiteral("D") : QStringLiteral("R"),
                               TranslatedText(p.aim)};
    for (int c = 0; c < texts.size(); ++c) {
      auto* item = new QTableWidgetItem(texts[c]);
      if (c == 5 && !b.limited.empty()) {
        QStringList limited;
        for (const Phrase& box : b.limited) limited << TranslatedText(box);
        //: The rule's value did not fit its box, which holds the nearest it allows
        item->setText(tr("%1 [vak: %2]").arg(texts[c], limited.join(QStringLiteral("; "))));
      }
      proposals_->setItem(static_cast<int>(i), c, item);
    }
  }
  proposals_->resizeColumnsToContents();
  if (!s.proposals.empty() && proposals_->currentRow() < 0) proposals_->selectRow(0);
  apply_->setEnabled(s.phase == TunePhase::Done);
}

}  // namespace tessaro
