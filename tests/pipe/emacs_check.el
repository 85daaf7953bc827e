;;; emacs_check.el --- Emacs's own ispell and flyspell code driving tesvar  -*- lexical-binding: t -*-

;; Run by run_emacs_check.sh:
;;   TESVAR_BIN=.../tesvar emacs --batch -Q -l ert -l emacs_check.el \
;;     -f ert-run-tests-batch-and-exit
;;
;; Emacs starts tesvar as it starts any ispell-style checker ("tesvar -vv",
;; then "tesvar -a -m -d tesvar", or "tesvar -l -d tesvar" for a large
;; flyspell region) and reads the answers with its unmodified parser. The
;; assertions are what Emacs itself makes of them: the messages and return
;; values of `ispell-word', the words and positions `ispell-region' stops
;; at, and the positions of flyspell's overlays. The built-in sample
;; lexicon is used.

(require 'ert)
(require 'ispell)
(require 'flyspell)
(require 'seq)

;; The settings a user puts in the init file (the README shows them).
;; Words are whole runs of letters, as tesvar splits them; the apostrophe
;; (also the typographic one) is a letter of the alphabet, so it is among
;; CASECHARS and words may begin and end with it.
(setq ispell-program-name (getenv "TESVAR_BIN"))
(setq ispell-local-dictionary-alist
      '(("tesvar" "[[:alpha:]'\u2019]" "[^[:alpha:]'\u2019]" ""
         nil nil nil utf-8)))
(setq ispell-dictionary "tesvar")

;; Batch mode only: no inverse-video redisplay (which rewrites the word in
;; the buffer on a terminal), no questions about saving, plain word
;; names in the messages.
(setq ispell-highlight-p nil
      ispell-silently-savep t
      ispell-format-word-function #'identity)

(defvar tesvar-check-messages nil
  "Messages shown while the current check ran, newest first.")

(defun tesvar-check-record-message (format-string &rest args)
  (when format-string
    (push (apply #'format-message format-string args) tesvar-check-messages)))

(defmacro tesvar-check-in-buffer (text &rest body)
  "Run BODY in a buffer shown in the selected window that holds TEXT."
  (declare (indent 1))
  `(let ((buffer (get-buffer-create "*tesvar-check*")))
     (unwind-protect
         (progn
           (switch-to-buffer buffer)
           (erase-buffer)
           (insert ,text)
           (goto-char (point-min))
           (setq tesvar-check-messages nil)
           (advice-add 'message :before #'tesvar-check-record-message)
           ,@body)
       (advice-remove 'message #'tesvar-check-record-message)
       (when (bound-and-true-p flyspell-mode) (flyspell-mode -1))
       (ispell-kill-ispell t)
       (kill-buffer buffer))))

(defun tesvar-check-word-at (position &optional keys)
  "Run `ispell-word' at POSITION, answering its questions with KEYS."
  (goto-char position)
  (setq unread-command-events (append keys nil))
  (prog1 (ispell-word)
    (should (null unread-command-events))))

(defun tesvar-check-flyspell-words ()
  "The words flyspell marked, as (WORD START), in buffer order."
  (sort (mapcar (lambda (overlay)
                  (list (buffer-substring-no-properties
                         (overlay-start overlay) (overlay-end overlay))
                        (overlay-start overlay)))
                (seq-filter (lambda (overlay)
                              (overlay-get overlay 'flyspell-overlay))
                            (overlays-in (point-min) (point-max))))
        (lambda (a b) (< (cadr a) (cadr b)))))

(ert-deftest tesvar-check-version-line ()
  "Emacs takes tesvar for an ispell of a version it accepts."
  (should (ispell-check-version t))
  (should-not ispell-really-hunspell)
  (should-not ispell-really-aspell))

(ert-deftest tesvar-check-word-correct ()
  (tesvar-check-in-buffer "Dat jIrom lo'ey 'ej\n"
    (should-not (tesvar-check-word-at 2))
    (should (equal (car tesvar-check-messages) "Dat is correct"))
    (should-not (tesvar-check-word-at 6))
    (should (equal (car tesvar-check-messages)
                   "jIrom is correct because of root rom"))
    ;; Apostrophes inside and at the start of words.
    (should-not (tesvar-check-word-at 13))
    (should (equal (car tesvar-check-messages) "lo'ey is correct"))
    (should-not (tesvar-check-word-at 18))
    (should (equal (car tesvar-check-messages) "'ej is correct"))))

(ert-deftest tesvar-check-word-misspelt ()
  ;; "0" picks the first correction Emacs offers.
  (tesvar-check-in-buffer "naQ DAT ej\n"
    (should (equal (tesvar-check-word-at 6 "0") "Dat"))
    (should (equal (tesvar-check-word-at 10 "0") "'ej"))
    (should (equal (buffer-string) "naQ Dat 'ej\n"))
    (should-not (tesvar-check-word-at 6))
    (should (equal (car tesvar-check-messages) "Dat is correct"))))

(defmacro tesvar-check-recording-offers (offered &rest body)
  "Run BODY with OFFERED bound to the (WORD . CORRECTIONS) Emacs offered."
  (declare (indent 1))
  `(let (,offered)
     (advice-add 'ispell-command-loop :before
                 (lambda (miss _guess word &rest _)
                   (push (cons word miss) ,offered))
                 '((name . tesvar-check-offered)))
     (unwind-protect
         (progn ,@body)
       (advice-remove 'ispell-command-loop 'tesvar-check-offered))))

(ert-deftest tesvar-check-word-unknown-then-inserted ()
  ;; No corrections for a word that reads as nothing and is near nothing;
  ;; "i" inserts it into the personal dictionary (a "*" line, then "#" to
  ;; save), after which it is correct.
  (tesvar-check-recording-offers offered
    (tesvar-check-in-buffer "Dal xyzzyi\n"
      (should-not (tesvar-check-word-at 7 "i"))
      (should (equal offered '(("xyzzyi"))))
      (should (member "Personal dictionary saved." tesvar-check-messages))
      (should-not (tesvar-check-word-at 7))
      (should (equal (car tesvar-check-messages) "xyzzyi is correct"))
      (should (equal (buffer-string) "Dal xyzzyi\n")))))

(ert-deftest tesvar-check-personal-dictionary-next-run ()
  "A word saved in one run of tesvar is correct in the next."
  (let ((file (expand-file-name "~/.tesvar_tesvar")))
    (tesvar-check-in-buffer "naQ Qaghwiq\n"
      (should-not (tesvar-check-word-at 6 "i"))
      ;; Emacs sends "#" and expects no answer; give tesvar the time to
      ;; save before the process is ended.
      (with-timeout (10 (ert-fail "the personal dictionary was not saved"))
        (while (not (file-exists-p file)) (sleep-for 0.05))))
    ;; tesvar-check-in-buffer ended that process.
    (should (member "Qaghwiq" (with-temp-buffer
                                (insert-file-contents file)
                                (split-string (buffer-string) "\n" t))))
    (tesvar-check-in-buffer "Qaghwiq naQ\n"
      (should-not (tesvar-check-word-at 2))
      (should (equal (car tesvar-check-messages) "Qaghwiq is correct")))))

(ert-deftest tesvar-check-word-slip-corrected ()
  "A slip in a suffix is offered the word meant, and \"1\" takes it."
  (tesvar-check-recording-offers offered
    (tesvar-check-in-buffer "naQ Dalmay\n"
      (should (equal (tesvar-check-word-at 6 "1") "Dalmey"))
      (should (equal (cdr (assoc "Dalmay" offered)) '("Dalmaj" "Dalmey")))
      (should (equal (buffer-string) "naQ Dalmey\n")))))

(ert-deftest tesvar-check-region-offsets ()
  "`ispell-region' finds each misspelt word from the offsets of a line.
Emacs sends whole lines escaped with \"^\" and in terse mode, and checks
that the text at each offset is the word reported, so a wrong offset
fails with a misalignment error. The text has several words per line,
characters of two and three UTF-8 bytes, and a local word."
  (let (stops)
    (advice-add 'ispell-command-loop :override
                (lambda (miss _guess word start _end)
                  (push (list word (+ start 0) miss) stops)
                  nil)
                '((name . tesvar-check-stops)))
    (unwind-protect
        (tesvar-check-in-buffer
            (concat "jIrom — Dat, DAT qaghwi «naQ» lo'ey\n"
                    "'ej ej romqu' xyz\n"
                    "Qaghwi vIrom\n"
                    "LocalWords: Qaghwi\n")
          (ispell-buffer)
          (should (equal (nreverse stops)
                         '(("DAT" 14 ("Dat" "Dal"))
                           ("qaghwi" 18 ("qaghIl" "QaSwI'" "qaghIlwI'"))
                           ("ej" 41 ("'ej" "wej"))
                           ("xyz" 51 nil)))))
      (advice-remove 'ispell-command-loop 'tesvar-check-stops))))

(ert-deftest tesvar-check-flyspell-small-region ()
  "Word by word: `flyspell-word' sends each word on its own."
  (tesvar-check-in-buffer (concat "jIrom — Dat, DAT qaghwi «naQ» lo'ey\n"
                                  "'ej ej romqu' xyz\n")
    (flyspell-mode 1)
    (flyspell-buffer)
    (should (equal (tesvar-check-flyspell-words)
                   '(("DAT" 14) ("qaghwi" 18) ("ej" 41) ("xyz" 51))))))

(ert-deftest tesvar-check-flyspell-large-region ()
  "Above `flyspell-large-region' characters flyspell runs \"tesvar -l\"."
  (let ((line "jIrom — Dat, DAT qaghwi «naQ» lo'ey\n"))
    (tesvar-check-in-buffer (apply #'concat (make-list 40 line))
      (should (> (buffer-size) flyspell-large-region))
      (flyspell-mode 1)
      (flyspell-buffer)
      (should (equal (tesvar-check-flyspell-words)
                     (apply #'append
                            (mapcar (lambda (i)
                                      (let ((start (* i (length line))))
                                        (list (list "DAT" (+ start 14))
                                              (list "qaghwi" (+ start 18)))))
                                    (number-sequence 0 39))))))))

(defmacro tesvar-check-recording-stops (stops &rest body)
  "Run BODY with STOPS bound to the (WORD START) where ispell stopped."
  (declare (indent 1))
  `(let (,stops)
     (advice-add 'ispell-command-loop :override
                 (lambda (_miss _guess word start _end)
                   (push (list word (+ start 0)) ,stops)
                   nil)
                 '((name . tesvar-check-stops)))
     (unwind-protect
         (progn ,@body)
       (advice-remove 'ispell-command-loop 'tesvar-check-stops))))

(ert-deftest tesvar-check-tex-buffer ()
  "In a LaTeX buffer Emacs sends \"+\": command names, options, the
arguments of \\label and the like, and math are not words."
  (tesvar-check-recording-stops stops
    (tesvar-check-in-buffer
        (concat "\\documentclass[a4paper]{article}\n"
                "\\begin{document}\n"
                "\\Dalmay[xyzzy]{Dat} \\label{xyzzy} $xyzzy + x$ \\emph{DAT}\n"
                "\\[ xyzzy \\] \\cite{xyzzy} \\verb|xyzzy| naQ xyzzy\n"
                "\\end{document}\n")
      (latex-mode)
      (ispell-buffer)
      (should (equal (nreverse stops) '(("DAT" 103) ("xyzzy" 150)))))))

(ert-deftest tesvar-check-html-buffer ()
  "With -H tesvar skips tags, attributes, entities and comments itself
\(Emacs's own skipping of HTML is turned off here)."
  (let ((ispell-extra-args '("-H")))
    (tesvar-check-recording-stops stops
      (tesvar-check-in-buffer
          (concat "<p class=\"xyzzy\" title='xyzzy'>Dat &amp;\n"
                  "DAT<!-- xyzzy --> <a\n href=\"xyzzy\">naQ</a> xyzzy</p>\n")
        (html-mode)
        (setq ispell-skip-html nil)
        (ispell-buffer)
        (should (equal (nreverse stops) '(("DAT" 42) ("xyzzy" 85))))))))

;;; emacs_check.el ends here
