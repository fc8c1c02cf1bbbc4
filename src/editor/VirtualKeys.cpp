// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/VirtualKeys.h"

#include <array>
#include <string_view>
#include <utility>

namespace vorn {

namespace {

// Scan codes without the extended marker, by code.
constexpr std::array<int, 128> plainKeys = [] {
    std::array<int, 128> t{};
    t[1] = vk::escape;
    constexpr std::string_view digits = "1234567890";
    for (int i = 0; i < 10; ++i)
        t[2 + i] = digits[i];
    t[12] = vk::oemMinus;
    t[13] = vk::oemPlus;
    t[14] = vk::back;
    t[15] = vk::tab;
    constexpr std::string_view top = "QWERTYUIOP", middle = "ASDFGHJKL", bottom = "ZXCVBNM";
    for (int i = 0; i < 10; ++i)
        t[16 + i] = top[i];
    for (int i = 0; i < 9; ++i)
        t[30 + i] = middle[i];
    for (int i = 0; i < 7; ++i)
        t[44 + i] = bottom[i];
    t[26] = vk::oem4;
    t[27] = vk::oem6;
    t[28] = vk::enter;
    t[29] = vk::control;
    t[39] = vk::oem1;
    t[40] = vk::oem7;
    t[41] = vk::oem3;
    t[42] = vk::shift;
    t[43] = vk::oem5;
    t[51] = vk::oemComma;
    t[52] = vk::oemPeriod;
    t[53] = vk::oem2;
    t[54] = vk::shift;
    t[55] = vk::multiply;
    t[56] = vk::menu;
    t[57] = vk::space;
    t[58] = vk::capital;
    for (int i = 0; i < 10; ++i)
        t[59 + i] = vk::f1 + i;
    t[69] = vk::pause;
    t[70] = vk::scroll;
    t[71] = vk::home;
    t[72] = vk::up;
    t[73] = vk::prior;
    t[74] = vk::subtract;
    t[75] = vk::left;
    t[76] = vk::clear;
    t[77] = vk::right;
    t[78] = vk::add;
    t[79] = vk::end;
    t[80] = vk::down;
    t[81] = vk::next;
    t[82] = vk::insert;
    t[83] = vk::del;
    t[86] = vk::oem102;
    t[87] = vk::f1 + 10;
    t[88] = vk::f1 + 11;
    t[126] = vk::separator; // keypad comma
    return t;
}();

// The keypad keys 71 to 83 while they give digits: 7 8 9 - 4 5 6 + 1 2 3 0 .
constexpr std::array<int, 13> keypadDigitKeys{
    vk::numpad0 + 7, vk::numpad0 + 8, vk::numpad0 + 9, vk::subtract,    vk::numpad0 + 4,
    vk::numpad0 + 5, vk::numpad0 + 6, vk::add,         vk::numpad0 + 1, vk::numpad0 + 2,
    vk::numpad0 + 3, vk::numpad0,     vk::decimal};
constexpr int firstKeypadKey = 71;

constexpr std::array<std::pair<int, int>, 19> extendedKeys{{
    {28, vk::enter},   {29, vk::control}, {53, vk::divide}, {55, vk::snapshot}, {56, vk::menu},
    {69, vk::numlock}, {71, vk::home},    {72, vk::up},     {73, vk::prior},    {75, vk::left},
    {77, vk::right},   {79, vk::end},     {80, vk::down},   {81, vk::next},     {82, vk::insert},
    {83, vk::del},     {91, vk::lwin},    {92, vk::rwin},   {93, vk::apps},
}};

} // namespace

int usVirtualKey(int scanCode, bool extended, bool keypadDigits) {
    if (extended) {
        for (const auto& [code, key] : extendedKeys)
            if (code == scanCode)
                return key;
        return 0;
    }
    if (scanCode < 0 || scanCode >= static_cast<int>(plainKeys.size()))
        return 0;
    const int keypadIndex = scanCode - firstKeypadKey;
    if (keypadDigits && keypadIndex >= 0 && keypadIndex < static_cast<int>(keypadDigitKeys.size()))
        return keypadDigitKeys[keypadIndex];
    return plainKeys[scanCode];
}

} // namespace vorn
