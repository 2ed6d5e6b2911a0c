# Bash completion of quillmark: its commands, their options, card files and the files each option takes.

_quillmark()
{
    local cur prev words cword
    _init_completion || return

    # The command is the first word after the program, unless that is an option or a card file.
    local command=
    if [[ $cword -gt 1 ]]; then
        case ${words[1]} in
            dump | resave | export | print | stock | import) command=${words[1]} ;;
        esac
    fi

    case $prev in
        --pdf)
            _filedir pdf
            return
            ;;
        --merge)
            _filedir '@(csv|vcf)'
            return
            ;;
        --printer)
            # A queue of the print system, when lpstat can name them; else a card file or an option follows.
            local queues
            queues=$(lpstat -e 2>/dev/null)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--copies --positions --outline --preview --merge --start --duplex
                    --no-nudges --crop-marks --stock --quiet --force' -- "$cur"))
            else
                COMPREPLY=($(compgen -W "$queues" -- "$cur"))
                _filedir qmk
            fi
            return
            ;;
        --copies | --positions | --start | --scale)
            return
            ;;
        --duplex)
            COMPREPLY=($(compgen -W 'long short manual' -- "$cur"))
            return
            ;;
        --stock)
            # A maker and part in quotes, such as "Avery 5371": `quillmark stock WORDS` lists them.
            return
            ;;
        --bleed)
            COMPREPLY=($(compgen -W '0 1 1.5 2 2.5 3 3.5 4 5 6' -- "$cur"))
            return
            ;;
    esac

    case $command in
        '')
            if [[ $cword -eq 1 && $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--help --version --' -- "$cur"))
            elif [[ $cword -eq 1 ]]; then
                COMPREPLY=($(compgen -W 'dump resave export print stock import' -- "$cur"))
                _filedir qmk
            elif [[ $cword -eq 2 && ${words[1]} == -- ]]; then
                _filedir qmk
            fi
            ;;
        dump)
            [[ $cword -eq 2 ]] && _filedir qmk
            ;;
        resave)
            _filedir qmk
            ;;
        import)
            if [[ $cword -eq 2 ]]; then
                _filedir glabels
            else
                _filedir qmk
            fi
            ;;
        export)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--border --scale --bleed --crop-marks --stock --force --help' -- "$cur"))
            elif [[ $cword -eq 2 ]]; then
                _filedir qmk
            else
                _filedir '@(png|bmp|jpg|pdf)'
            fi
            ;;
        stock)
            # Words of makers, part numbers and descriptions: nothing to offer.
            ;;
        print)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--pdf --printer --copies --positions --outline --preview --merge
                    --start --duplex --no-nudges --crop-marks --stock --quiet --force --help' -- "$cur"))
            else
                _filedir qmk
            fi
            ;;
    esac
} &&
    complete -F _quillmark quillmark
