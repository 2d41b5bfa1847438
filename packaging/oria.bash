# Bash completion for oria: its commands, their options and the values they accept.

_oria() {
    local cur prev
    COMPREPLY=()
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}

    if [ "$COMP_CWORD" -eq 1 ]; then
        COMPREPLY=($(compgen -W "harmonie ajuster plan contraste grille page charte exporter importer vision extraire --help" -- "$cur"))
        return
    fi

    local command=${COMP_WORDS[1]}
    if [ "$command" = grille ] && [ "$COMP_CWORD" -eq 2 ]; then
        COMPREPLY=($(compgen -W "palette nuances" -- "$cur"))
        return
    fi

    # The value of an option.
    case "$command:$prev" in
        harmonie:--type)
            COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7 8 9 Moderne Moderne2 Spécial Aléatoire" -- "$cur"))
            return ;;
        harmonie:--nombre | ajuster:--nombre | extraire:--nombre)
            COMPREPLY=($(compgen -W "2 3 4 5" -- "$cur"))
            return ;;
        ajuster:--operation)
            COMPREPLY=($(compgen -W "lum+ lum- sat+ sat- websafe cycler melanger classer" -- "$cur"))
            return ;;
        plan:--resolution)
            COMPREPLY=($(compgen -W "haute moyenne basse" -- "$cur"))
            return ;;
        plan:--mode)
            COMPREPLY=($(compgen -W "saturation luminosite les2" -- "$cur"))
            return ;;
        grille:--cellules)
            COMPREPLY=($(compgen -W "256 1024 2048 4096" -- "$cur"))
            return ;;
        grille:--axe)
            COMPREPLY=($(compgen -W "rouge bleu vert" -- "$cur"))
            return ;;
        charte:--modele)
            COMPREPLY=($(compgen -W "standard3 standard4 standard5" -- "$cur") $(compgen -f -- "$cur"))
            return ;;
        exporter:--format)
            COMPREPLY=($(compgen -W "gpl ase scribus soc css json svg png" -- "$cur"))
            return ;;
        contraste:--cible)
            COMPREPLY=($(compgen -W "aa aa-grand aaa aaa-grand lc45 lc60 lc75 lc90" -- "$cur"))
            return ;;
        vision:--type)
            COMPREPLY=($(compgen -W "protanopie deuteranopie tritanopie achromatopsie normale" -- "$cur"))
            return ;;
        *:--sortie)
            # Empty: bash completes a file name itself (complete -o default).
            return ;;
    esac

    local options=""
    case "$command" in
        harmonie) options="--type --nombre --reglage-fin" ;;
        ajuster) options="--operation --nombre" ;;
        plan) options="--resolution --mode --niveau --sortie" ;;
        grille)
            case "${COMP_WORDS[2]}" in
                palette) options="--cellules --axe --niveau" ;;
                nuances) options="--cellules --base" ;;
            esac ;;
        page | importer) return ;;
        contraste) options="--cible" ;;
        charte) options="--modele --sortie --nom --references --fond --texte --titre --decors1
                         --decors2 --nom-fond --nom-texte --nom-titre --nom-decors1 --nom-decors2" ;;
        exporter) options="--format --sortie --nom" ;;
        vision) options="--type" ;;
        extraire) options="--nombre" ;;
    esac
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    fi
}
complete -o default -F _oria oria
