// The monitors layer, in short:
// - terkep_rajzolo: the world's drawing sink; paints the map (one pixel per
//   cell) and the magnifier (13 x 13 pixels per cell) into images and reports
//   the parts that changed.
// - kep_vaszon, terkep_vaszon: widgets that show an image; the map's adds the
//   magnifier frame and the mouse.
// - form_tkp, form_ngy, form_goc: the map and magnifier windows and the
//   seed-point dialog.
// - form_oko, form_kijelzes, form_permetek: the ecosystem information, the
//   display settings and the sprays windows; jelzo_kovetes ties the flag
//   lists of the last two to the species.
// - form_grafikon, grafikon_lista, letszam_sor: the chart windows, their list
//   and the population rows they read.
// - form_korfa, korfa_lista: the age-pyramid windows and their list.
// Every window subscribes itself to the application context and the species
// hub in its constructor.
