// Shared helpers for the test programs.
#pragma once
