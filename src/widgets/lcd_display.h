// A backlit dot-matrix panel with four text lines (counted from 0) and one picture.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

class LcdDisplay : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kLines = 4;

  explicit LcdDisplay(QWidget* parent = nullptr);

  void SetLine(int line, const QString& text);
  QString Line(int line) const;
  // Loads a picture file; a file that cannot be loaded removes the picture. Returns
  // whether a picture is shown afterwards.
  bool SetPictureFile(const QString& path);
  void ClearPicture();
  bool HasPicture() const { return !picture_.isNull(); }
  QString PictureFile() const { return pictureFile_; }

  QSize sizeHint() const override { return {214, 94}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage RenderDots() const;

  std::array<QString, kLines> lines_;
  QImage picture_;
  QString pictureFile_;
};
