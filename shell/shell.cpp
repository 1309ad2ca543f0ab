// The shell layer: program start-up, the main window, its actions and the
// controller window.
