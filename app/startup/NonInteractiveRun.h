#pragma once

// True when CLASSSHAPER_NONINTERACTIVE is set to 1: the program then answers every message and
// dialog through vlt::HeadlessUi and ends right after the window has been shown.
bool nonInteractiveRun();
