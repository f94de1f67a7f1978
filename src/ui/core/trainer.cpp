#include "ui/core/trainer.h"

#include <QTimer>

#include "engine/core/board_connection.h"
#include "engine/core/scan.h"
#include "ui/core/main_window.h"

namespace tessaro {

Trainer::Trainer(ProcessImage& image, Board& board, Messages& messages,
                 const std::filesystem::path& data_root)
    : image_(image),
      board_(board),
      messages_(messages),
      main_(std::make_unique<MainWindow>(image, board, messages, data_root)) {
  connect(main_->Timer1(), &QTimer::timeout, this, &Trainer::schakelblok);
  connect(main_->Timer2(), &QTimer::timeout, this, &Trainer::SWklok);
  connect(main_.get(), &MainWindow::KaartClicked, this, &Trainer::KaartLezenClick);
}

Trainer::~Trainer() = default;

void Trainer::schakelblok() { tessaro::schakelblok(image_, board_, *this); }

void Trainer::SWklok() { tessaro::SWklok(image_, board_); }

void Trainer::KaartLezenClick() { tessaro::KaartLezenClick(image_, board_, messages_, *this); }

void Trainer::ItemTextChanged(int item, const std::string& text) {
  main_->ItemTextChanged(item, text);
}

void Trainer::ItemPictureChanged(int item, const std::string& file) {
  main_->ItemPictureChanged(item, file);
}

void Trainer::ItemVisibilityChanged(int item, bool visible) {
  main_->ItemVisibilityChanged(item, visible);
}

void Trainer::ItemLeftChanged(int item, int left) { main_->ItemLeftChanged(item, left); }

void Trainer::ItemTopChanged(int item, int top) { main_->ItemTopChanged(item, top); }

void Trainer::AddressBoxHidden() { main_->AddressBoxHidden(); }

}  // namespace tessaro
