// The instruments' state, gathered for the process image.
#pragma once

#include "engine/control/onoff_state.h"
#include "engine/control/pid_state.h"
#include "engine/control/step_state.h"
#include "engine/control/trend.h"
