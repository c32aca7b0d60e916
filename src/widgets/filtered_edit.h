// One-line edits whose typed keys pass a page's filter, and the number edits that hold
// their value within a range. The filter acts on key presses only; pasted text is kept.
#pragma once

#include <QLineEdit>
#include <functional>

class FilteredEdit : public QLineEdit {
  Q_OBJECT
 public:
  // ch is the typed character or '\b' for Backspace; text is the edit's text as it would
  // stand without its selected part. False drops the key.
  using KeyFilterFn = std::function<bool(QChar ch, const QString& text)>;

  explicit FilteredEdit(QWidget* parent = nullptr);
  void SetKeyFilter(KeyFilterFn fn) { filter_ = std::move(fn); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  KeyFilterFn filter_;
};

// A field of at most `digits` digits held within lo..hi: on every change a value below the
// range (an empty field counts as below) or above it becomes the bound, with a beep and
// the whole field selected.
class RangeEdit : public FilteredEdit {
  Q_OBJECT
 public:
  RangeEdit(int digits, int lo, int hi, QWidget* parent = nullptr);

  void SetValue(long value);  // shown as given, then held within the range
  int Value() const;          // 0 when the text is not a number
  int Low() const { return lo_; }
  int High() const { return hi_; }

  // The bound that replaces text, or -1 when text is within lo..hi.
  static long Correction(const QString& text, int lo, int hi);

 private:
  void HoldInRange();

  int lo_, hi_;
  bool holding_ = false;
};
