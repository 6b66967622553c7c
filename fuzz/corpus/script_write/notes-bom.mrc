; quick notes window
alias notes { dialog -m notes notes }
dialog notes {
  title "Notes — ünïcode"
  size -1 -1 220 140
  option pixels
  edit "", 1, 5 5 210 100, multi return vsbar
  button "Save", 2, 5 110 60 24, default
  button "Close", 3, 150 110 60 24, cancel
}
on *:dialog:notes:sclick:2: { savebuf notes 1 notes.txt }