#pragma once

// The data-entry controls: the caption label, the typed edit, the edit with a button and the
// labelled combo box.
#include "ExComboBox.h"
#include "ExComboEdit.h"
#include "ExEdit.h"
#include "ExLabel.h"
