; Türkçe karþýlama penceresi (Windows-1254)
alias hosgeldin { dialog -m hosgeldin hosgeldin }

dialog hosgeldin {
  title "Hoþ geldiniz"
  size -1 -1 200 80
  option dbu
  text "Kanala hoþ geldin, çaðrý için týkla:", 1, 5 5 190 10
  button "Tamam", 2, 5 60 40 12, ok
  button "Ýptal", 3, 50 60 40 12, cancel
}

on *:dialog:hosgeldin:sclick:2: { msg # Hoþ geldin! }
