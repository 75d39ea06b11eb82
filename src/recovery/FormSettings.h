#pragma once

#include "engine/Form1.h"

#include <array>
#include <utility>

namespace aerolap {

/// The announcement boxes that a record keeps, under their element names.
inline constexpr std::array<std::pair<const char*, CheckBox Form1::*>, 13> kAnnouncementBoxes{{
    {"Check2", &Form1::Check2},
    {"Check4", &Form1::Check4},
    {"Check1", &Form1::Check1},
    {"Check3", &Form1::Check3},
    {"Check5", &Form1::Check5},
    {"Check6", &Form1::Check6},
    {"Check7", &Form1::Check7},
    {"Check8", &Form1::Check8},
    {"Check9", &Form1::Check9},
    {"Check10", &Form1::Check10},
    {"Check11", &Form1::Check11},
    {"Check14", &Form1::Check14},
    {"Check16", &Form1::Check16},
}};

/// The four tasks, which a record names by caption.
inline constexpr std::array<OptionButton Form1::*, 4> kTasks{&Form1::Option1, &Form1::Option2,
                                                             &Form1::Option3, &Form1::Option4};

} // namespace aerolap
