// The power key, pressed through keybd_event(VK_OFF): a request for the power to go off.
#pragma once

namespace ce {

void pressPowerKey();

} // namespace ce
