; setup dialog with pages, a menu and an icon
alias setup {
  if ($dialog(setup)) dialog -v setup
  else dialog -md setup setup
}

dialog setup {
  title "Setup"
  size 100 50 300 220
  option pixels notheme
  icon setup.ico, 0
  button "Help", 12, 5 190 75 25
  tab "General", 1, 5 5 290 180
  check "Auto-join", 2, 15 35 100 20, tab 1
  edit "", 3, 15 60 150 21, tab 1 limit 20
  combo 11, 15 90 150 100, tab 1 sort size edit vsbar
  tab "Colors", 4
  scroll "", 5, 15 35 17 100, tab 4 range 0 255
  text "Version 1.0", 9, 15 140 100 16, tab 4 nowrap right
  link "www.example.org", 10, 15 160 100 16, tab 4
  button "OK", 13, 140 190 75 25, ok
  button "Cancel", 14, 220 190 75 25, cancel
  menu "&File", 20
  item "&Save", 21, 20
  item break, 22, 20
  item "&Close", 23, 20, cancel
  menu "&Help", 30
  item "&About", 31, 30
}

on *:dialog:setup:sclick:13: { echo -a saved }
