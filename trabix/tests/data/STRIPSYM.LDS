Job: C:\DATA\STRIPSYM // LOADS (S)
LOAD DATA: SYMMETRIC LOADS 
Uniform Load [kN/m]: 0.0
Self Weight (Mass Density) [kg/m^3]: 0.0

NODAL LOADING:
 Node 'i'      Downward Force Pi      Clockwise Moment Mi
                     [kN]                   [kN*m]
    3               50.0000                   .0000
**REMARK: - NODE NUMBERING STARTS AT BEAM/STRIP LEFT EDGE
          - DOWNWARD FORCES ARE CONSIDERED TO BE POSITIVE
          - CLOCKWISE MOMENTS ARE CONSIDERED TO BE POSITIVE

------------------------- END OF LOAD DATA -------------------------
