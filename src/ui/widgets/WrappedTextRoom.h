#pragma once

class QWidget;

namespace aerolap {

/// Keeps `window` no narrower than `columns` characters of its font, and tall enough there for
/// the wrapped texts of its layout. Qt gives a window its layout's minimum size, which counts a
/// wrapped label as a few lines at the width of its longest word: at its smallest such a window
/// would cut the label's text off, all the more in a language that says it at length.
void keepWrappedTextWhole(QWidget& window, int columns);

} // namespace aerolap
