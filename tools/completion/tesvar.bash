# Bash completion for tesvar: commands, options, their values and lexicon
# files. Installed as share/bash-completion/completions/tesvar; it needs
# nothing from the bash-completion package.

_tesvar_files() {
  local IFS=$'\n'
  COMPREPLY=($(compgen -f -- "$1"))
  compopt -o filenames 2>/dev/null
}

_tesvar() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=${COMP_WORDS[COMP_CWORD - 1]}
  local command=${COMP_WORDS[1]}
  COMPREPLY=()

  if ((COMP_CWORD == 1)); then
    COMPREPLY=($(compgen -W 'parse lexicon pipe lsp --help --version -a -l
      -vv' -- "$cur"))
    return
  fi

  case $command in
    parse)
      case $prev in
        --lexicon) _tesvar_files "$cur"; return ;;
        --jobs) COMPREPLY=($(compgen -W '1 2 4 8 16' -- "$cur")); return ;;
        --max-word-bytes | --max-work)
          COMPREPLY=($(compgen -W '0' -- "$cur"))
          return
          ;;
      esac
      case $cur in
        --color=*)
          COMPREPLY=($(compgen -W 'auto always never' -- "${cur#--color=}"))
          ;;
        -*)
          COMPREPLY=($(compgen -W '--lexicon --json --native --jobs --quiet
            --stats --color --color= --max-word-bytes --max-work --help --' \
            -- "$cur"))
          ;;
      esac
      ;;
    lexicon)
      if ((COMP_CWORD == 2)); then
        COMPREPLY=($(compgen -W 'check list show find stats' -- "$cur"))
        return
      fi
      local action=${COMP_WORDS[2]}
      if [[ $cur == -* ]]; then
        if [[ $action == check ]]; then
          COMPREPLY=($(compgen -W '--strict --help' -- "$cur"))
        else
          COMPREPLY=($(compgen -W '--json --help' -- "$cur"))
        fi
        return
      fi
      # show KEY and find WORD take their query first, then the file.
      local positional=0 i
      for ((i = 3; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == -* ]] || ((positional++))
      done
      case $action in
        show | find) ((positional == 1)) && _tesvar_files "$cur" ;;
        check | list | stats) ((positional == 0)) && _tesvar_files "$cur" ;;
      esac
      ;;
    lsp)
      if [[ $prev == --lexicon ]]; then
        _tesvar_files "$cur"
      elif [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--lexicon --stdio --help' -- "$cur"))
      fi
      ;;
    pipe | -a | -l | -vv | -v)
      case $prev in
        --lexicon) _tesvar_files "$cur"; return ;;
        -i | --encoding)
          COMPREPLY=($(compgen -W 'utf-8 latin1' -- "$cur"))
          return
          ;;
      esac
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--lexicon -a -l -vv -i --encoding -d -p -B
          -m -t --help' -- "$cur"))
      fi
      ;;
  esac
}

complete -F _tesvar tesvar
