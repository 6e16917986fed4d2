#pragma once

// The toolkit's entry point: registers the built-in classes.
class SoDB {
 public:
  // Registers every built-in class; running it again does nothing.
  static void init();
  static bool isInitialized();
};
