#pragma once
// The configuration pages' rules that can be checked without a window.
