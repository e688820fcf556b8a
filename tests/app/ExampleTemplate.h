#pragma once

#include "model/Class.h"

#include <memory>

// The customer class of examples/Kunde.vlt-ctf: a collection class with a handful of members.
std::shared_ptr<cls_Class> kundeTemplate();
