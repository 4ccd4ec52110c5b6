// "TTButton": the skinned push buttons dialog templates name. Each behaves as a platform push
// button that its dialog draws (owner-drawn), so the look decides how it appears.
#pragma once

inline constexpr const char16_t* skinnedButtonClass = u"TTButton";

// Makes the class known to this process unless it is already; called before a dialog is made.
// True when the class is there.
bool registerSkinnedButtons();
