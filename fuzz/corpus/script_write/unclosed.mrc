dialog a {
  title "x"
dialog b {}