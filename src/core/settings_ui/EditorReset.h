#pragma once

#include <memory>

class P820SettingManager;

// The settings editor's Reset: the card's factory settings, else the
// model's built-in ones. Nothing is written; the editor shows the result
// and OK writes it.
class EditorReset
{
public:
    // With the card's "SETTING/default.cfg", a new manager holding it, which
    // keeps the camera's own version, firmware and driving guide version and
    // becomes the shared one. Without it, models 0-5 take their built-in
    // defaults in place and others keep their values. Returns the manager
    // the editor is to show.
    static std::shared_ptr<P820SettingManager>
    reset(const std::shared_ptr<P820SettingManager> &current);
};
