#pragma once
// A chart type that reaches up into the application: the layer check must refuse it.
#include "app/Frame.h"
