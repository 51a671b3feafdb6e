#pragma once

#include "resources/FactoryBanks.h"

/** Liberation Sans, regular and bold, as TrueType data. */
EmbeddedData embeddedSansRegular();
EmbeddedData embeddedSansBold();
