VERSION 1.0 CLASS
BEGIN
Attribute VB_Name = "cls_Probe"
Option Explicit
Implements int_Data
Private WithEvents m_Quelle As cls_Quelle
Public Event Geaendert(ByVal Feld As String, ByRef Abbruch As Boolean)
Private Enum enm_Art: Eins: End Enum
Private Type str_Punkt: X As Single: Y As Double: End Type
Private Const c_Name As String = "Kunde ""Mustermann"" 'kein Kommentar'"
    Zitat = "Er sagte ""Ja""" & Name ' ein Kommentar
Public Static Function hWert(Optional ByVal vIndex As Integer = 0) As Variant
    Dim lTeil As Object, lDatum As Date, lZahl As Long
    On Error GoTo Fehler
    If Not lTeil Is Nothing And lZahl > 0 Or lZahl Mod 2 = 1 Xor True Then
        Set lTeil = New cls_Teil
    ElseIf lZahl = 0 Then Call Ende Else Exit Function
    End If
    For Each lTeil In m_Liste: Next
    For lZahl = 1 To 9 Step 2: Next lZahl
    Do While False: Loop
    Do Until True: Loop Until False
    While lZahl < 3: Wend
    ReDim Preserve aFeld(3)
    With Me: End With
    Select Case lZahl: Case 1: End Select
    RaiseEvent Geaendert("a", False)
    Let hWert = Empty ' Kommentar mit "Anführung"
Fehler:
    Resume Next
    Rem alles bis zum Ende "ist" Kommentar
    rem auch klein
End Function
Friend Property Get hName() As String: End Property
Public Sub Ende(): hWert_ = "offen
End Sub
Attribute Version
