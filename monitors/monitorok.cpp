// The monitors layer: map and magnifier rendering, display settings, charts,
// age pyramids and the sprays window.
